#include "calc/numbers.hpp"

#include <locale.h>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace orvane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// The "C" locale, made once, used for every formatting call.
locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// The power of ten of the first significant digit of an unsigned decimal number (digits, point,
// digits, optional exponent), e.g. 2 for "123.4", -3 for "0.00123", 5 for "1e5"; only called on
// a number with a nonzero digit, which is the only kind that can be out of range. The exponent
// is kept within a million either way, far past any double.
long decimalMagnitude(std::string_view number) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) {
            ++i;
        }
        for (; i < number.size() && isDigit(number[i]); ++i) {
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000L);
        }
        exponent = negative ? -exponent : exponent;
    }
    // Digits before the point from the first nonzero one, or zeros after the point before it.
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string_view::npos) {
        return 0;
    }
    const long position = firstSignificant < point ? static_cast<long>(point - firstSignificant) - 1
                                                   : -static_cast<long>(firstSignificant - point);
    return position + exponent;
}

}  // namespace

namespace {

// The longest leading decimal number of a text: where its digits start (after white space and
// the sign), where it ends, and its sign. start == end when there is no number.
struct NumberSpan {
    std::size_t start = 0, end = 0;
    bool negative = false;
};

NumberSpan scanNumber(std::string_view text) {
    NumberSpan span;
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    span.start = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    // A comma is a decimal mark as well as a point: pilots in most of Europe type "8,5".
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        span.end = span.start;
        return span;
    }
    // An exponent counts only when digits follow it: "1e" reads as 1.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    span.end = i;
    return span;
}

double convertNumber(std::string_view text, const NumberSpan& span) {
    if (span.end == span.start) {
        return 0.0;
    }
    double value = 0.0;
    std::string number(text.substr(span.start, span.end - span.start));
    std::replace(number.begin(), number.end(), ',', '.');
    const char* first = number.data();
    const char* last = number.data() + number.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives zero, as the C library does. Which of the
        // two is the number's decimal magnitude, not the exponent's sign: 1 with 400 zeros and
        // "e-5" is too large, 0.000...1 with 400 zeros and "e+5" too small.
        value =
            decimalMagnitude(std::string_view(first, static_cast<std::size_t>(last - first))) > 0
                ? std::numeric_limits<double>::infinity()
                : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    (void)ptr;
    return span.negative ? -value : value;
}

}  // namespace

double readReal(std::string_view text, std::size_t maxChars) {
    text = text.substr(0, std::min(text.size(), maxChars));
    return convertNumber(text, scanNumber(text));
}

std::optional<double> readWholeReal(std::string_view text) {
    const NumberSpan span = scanNumber(text);
    // A script's numbers are written with a point only; the comma is the pilot's.
    if (span.end == span.start || span.end != text.size() ||
        text.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    return convertNumber(text, span);
}

std::int32_t readInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    // A sign as the real reading takes it: "+400" is 400 to a limit check and to the
    // calculation alike.
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        value = value * 10 + (text[i] - '0');
        ++digits;
        ++i;
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return 0;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min()) {
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

std::string formatC(const char* format, ...) {
    locale_t previous = uselocale(cLocale());
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[128];
    const int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string out;
    if (n < 0) {
        out.clear();
    } else if (static_cast<std::size_t>(n) < sizeof small) {
        out.assign(small, static_cast<std::size_t>(n));
    } else {
        out.resize(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, copy);
        out.resize(static_cast<std::size_t>(n));
    }
    va_end(copy);
    uselocale(previous);
    return out;
}

// The precision of a format's one "%...f" conversion (6 when none is given), or -1 when the
// format has no such conversion.
static int fixedPrecision(const char* format) {
    const char* p = std::strchr(format, '%');
    while (p != nullptr && p[1] == '%') {
        p = std::strchr(p + 2, '%');
    }
    if (p == nullptr) {
        return -1;
    }
    int precision = 6;
    for (++p; *p != '\0' && std::strchr("-+ #0123456789", *p) != nullptr; ++p) {
    }
    if (*p == '.') {
        precision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p) {
            precision = precision * 10 + (*p - '0');
        }
    }
    return *p == 'f' ? precision : -1;
}

std::string formatReal(const char* format, double value) {
    if (!std::isfinite(value)) {
        return kNoResult;
    }
    // A value exactly half way between two shown values rounds away from zero, as the run-time
    // library of the device did (the C library here would round to even): a ground speed of
    // 120.5 shows "121 kt", like the 121 that is stored. Such a tie is an odd multiple of
    // 2^-(precision+1), so the test is exact.
    const int precision = fixedPrecision(format);
    if (precision >= 0 && precision < 20) {
        const double scaled = std::ldexp(value, precision + 1);
        if (std::fabs(scaled) < 9007199254740992.0 && scaled == std::trunc(scaled) &&
            std::fmod(scaled, 2.0) != 0.0) {
            value = std::nextafter(value, value > 0.0 ? HUGE_VAL : -HUGE_VAL);
        }
    }
    locale_t previous = uselocale(cLocale());
    char buffer[400];  // "%f" of the largest double has 309 digits before the point
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
    uselocale(previous);
    if (n < 0) {
        return kNoResult;
    }
    return std::string(buffer,
                       std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1));
}

std::string formatInt(std::int32_t value) {
    return formatC("%d", value);
}

std::optional<std::int32_t> truncToInt32(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double t = std::trunc(value);
    if (t < -2147483648.0 || t > 2147483647.0) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(t);
}

bool storeFinite(double& field, double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    field = value;
    return true;
}

}  // namespace orvane
