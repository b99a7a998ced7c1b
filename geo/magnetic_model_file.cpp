#include "geo/magnetic_model_file.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace orvane {

namespace {

constexpr double kEarliestEpoch = 1900.0;
constexpr double kLatestEpoch = 2200.0;
constexpr std::size_t kLongestName = 24;
constexpr double kLargestCoefficient = 1e6;  // nT; the main dipole term is about 3e4
constexpr int kCoefficientFields = 6;

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            ++i;
        }
        if (i > start) {
            fields.push_back(line.substr(start, i - start));
        }
    }
    return fields;
}

// A whole field as a decimal number (from_chars reads no locale); '+' is allowed in front.
std::optional<double> number(std::string_view field) {
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value,
                                              std::chars_format::general);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> wholeNumber(std::string_view field) {
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) {
        return std::nullopt;
    }
    return value;
}

bool endLine(std::string_view line) {
    // NOAA ends the coefficients with lines of 48 nines; any run of ten or more counts.
    const std::vector<std::string_view> fields = fieldsOf(line);
    return fields.size() == 1 && fields[0].size() >= 10 &&
           fields[0].find_first_not_of('9') == std::string_view::npos;
}

bool validName(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) {
        return false;
    }
    for (const char c : name) {
        if (c <= ' ' || c > '~') {
            return false;
        }
    }
    return true;
}

// The next line of text without its end (LF or CR LF); false at the end of the text.
bool nextLine(std::string_view& text, std::string_view& line) {
    if (text.empty()) {
        return false;
    }
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return true;
}

bool blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::optional<MagneticModel> parseMagneticModel(std::string_view text) {
    if (text.size() > kMagneticModelFileLimit) {
        return std::nullopt;
    }
    MagneticModel model;
    std::string_view line;
    // The first line that is not blank: epoch, name and (not used) the release date.
    do {
        if (!nextLine(text, line)) {
            return std::nullopt;
        }
    } while (blank(line));
    const std::vector<std::string_view> head = fieldsOf(line);
    if (head.size() < 2 || head.size() > 3) {
        return std::nullopt;
    }
    const std::optional<double> epoch = number(head[0]);
    if (!epoch || *epoch < kEarliestEpoch || *epoch > kLatestEpoch || !validName(head[1])) {
        return std::nullopt;
    }
    model.epoch = *epoch;
    model.name = std::string(head[1]);

    std::array<bool, kMagneticModelTerms> seen{};
    int count = 0;
    while (nextLine(text, line) && !endLine(line)) {
        if (blank(line)) {
            continue;
        }
        const std::vector<std::string_view> f = fieldsOf(line);
        if (f.size() != kCoefficientFields) {
            return std::nullopt;
        }
        const std::optional<int> n = wholeNumber(f[0]);
        const std::optional<int> m = wholeNumber(f[1]);
        if (!n || !m || *n < 1 || *n > kMagneticModelDegree || *m < 0 || *m > *n) {
            return std::nullopt;
        }
        const int k = magneticTerm(*n, *m);
        if (seen[k]) {
            return std::nullopt;
        }
        std::array<double, 4> values{};
        for (int i = 0; i < 4; ++i) {
            const std::optional<double> v = number(f[2 + i]);
            if (!v || std::fabs(*v) >= kLargestCoefficient) {
                return std::nullopt;
            }
            values[i] = *v;
        }
        model.g[k] = values[0];
        model.h[k] = values[1];
        model.gDot[k] = values[2];
        model.hDot[k] = values[3];
        seen[k] = true;
        ++count;
    }
    // Every coefficient of degrees 1 to 12 exactly once.
    if (count != kMagneticModelTerms - 1) {
        return std::nullopt;
    }
    return model;
}

}  // namespace orvane
