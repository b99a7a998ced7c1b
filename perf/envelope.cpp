#include "perf/envelope.hpp"

#include <algorithm>
#include <cmath>

#include "calc/numbers.hpp"

namespace orvane {

namespace {

constexpr double kOnEdgeTolerance = 1e-9;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Whether the whole token is one decimal number: sign, digits with an optional point, and an
// optional exponent with digits.
bool isWholeNumber(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
        }
        if (i == start) {
            return false;
        }
    }
    return i == s.size();
}

bool readNumber(std::string_view token, double& value) {
    token = trim(token);
    if (!isWholeNumber(token)) {
        return false;
    }
    value = readReal(token, token.size());
    return std::isfinite(value);
}

// Whether p lies on the segment from a to b (within the tolerance across the segment).
bool onEdge(const EnvelopePoint& a, const EnvelopePoint& b, double weight, double cg) {
    const double dw = b.weight - a.weight;
    const double dc = b.cg - a.cg;
    const double pw = weight - a.weight;
    const double pc = cg - a.cg;
    const double cross = dc * pw - dw * pc;
    const double scale = std::fabs(dc * pw) + std::fabs(dw * pc);
    if (std::fabs(cross) > kOnEdgeTolerance * scale) {
        return false;
    }
    const double slackW = kOnEdgeTolerance * std::fabs(dw);
    const double slackC = kOnEdgeTolerance * std::fabs(dc);
    return weight >= std::min(a.weight, b.weight) - slackW &&
           weight <= std::max(a.weight, b.weight) + slackW && cg >= std::min(a.cg, b.cg) - slackC &&
           cg <= std::max(a.cg, b.cg) + slackC;
}

}  // namespace

bool insideEnvelope(std::span<const EnvelopePoint> outline, double weight, double cg) {
    if (outline.size() < kMinEnvelopePoints || !std::isfinite(weight) || !std::isfinite(cg)) {
        return false;
    }
    bool inside = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const EnvelopePoint& a = outline[j];
        const EnvelopePoint& b = outline[i];
        if (onEdge(a, b, weight, cg)) {
            return true;
        }
        // Even-odd crossings of a ray from the loading towards greater cg; each edge counts
        // its lower end and not its upper one, so a corner on the ray is counted once.
        if ((a.weight > weight) != (b.weight > weight)) {
            const double crossCg =
                a.cg + (weight - a.weight) * (b.cg - a.cg) / (b.weight - a.weight);
            if (crossCg > cg) {
                inside = !inside;
            }
        }
    }
    return inside;
}

EnvelopeReading readEnvelope(std::string_view text) {
    EnvelopeReading reading;
    if (trim(text).empty()) {
        return reading;
    }
    std::size_t place = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string_view point = text.substr(start, end - start);
        ++place;
        const std::size_t comma = point.find(',');
        EnvelopePoint p{};
        if (comma == std::string_view::npos || !readNumber(point.substr(0, comma), p.weight) ||
            !readNumber(point.substr(comma + 1), p.cg)) {
            reading.error = EnvelopeError::NotTwoNumbers;
            reading.badPoint = place;
            reading.points.clear();
            return reading;
        }
        reading.points.push_back(p);
        if (end == text.size()) {
            break;
        }
        start = end + 1;
    }
    if (reading.points.size() < kMinEnvelopePoints) {
        reading.error = EnvelopeError::TooFewPoints;
    } else if (reading.points.size() > kMaxEnvelopePoints) {
        reading.error = EnvelopeError::TooManyPoints;
    }
    if (reading.error != EnvelopeError::None) {
        reading.points.clear();
    }
    return reading;
}

std::string formatEnvelope(std::span<const EnvelopePoint> points) {
    std::string out;
    for (const EnvelopePoint& p : points) {
        if (!out.empty()) {
            out += ';';
        }
        out += formatC("%.15g,%.15g", p.weight, p.cg);
    }
    return out;
}

std::string loadingStatus(double weight, double cg, std::int32_t maxTakeOffWeight,
                          std::span<const EnvelopePoint> envelope) {
    if (!std::isfinite(weight) || !std::isfinite(cg)) {
        return kNoResult;
    }
    const bool hasMaximum = maxTakeOffWeight > 0;
    const bool hasEnvelope = envelope.size() >= kMinEnvelopePoints;
    if (!hasMaximum && !hasEnvelope) {
        return "No limits set";
    }
    std::string status;
    // The excess is rounded up to the tenth that is shown, so a loading over the limit never reads
    // "by 0.0"; the millionth of a tenth given back keeps a typed 2485.3 (35.30000000000018 over
    // 2450 in binary) at 35.3, and an excess below it is rounding noise, not an overload.
    const double excessTenths = std::ceil((weight - maxTakeOffWeight) * 10.0 - 1e-6);
    if (hasMaximum && excessTenths > 0.0) {
        status = "Over max weight by " + formatReal("%1.1f", excessTenths / 10.0);
    }
    if (hasEnvelope && !insideEnvelope(envelope, weight, cg)) {
        status += status.empty() ? "" : ", ";
        status += "C of G outside envelope";
    }
    return status.empty() ? "Within limits" : status;
}

}  // namespace orvane
