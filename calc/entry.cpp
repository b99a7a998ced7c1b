#include "calc/entry.hpp"

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "calc/numbers.hpp"

namespace orvane {

namespace {

// A UTF-8 continuation byte (10xxxxxx) belongs to the character before it.
bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t countCharacters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (!isContinuationByte(c)) {
            ++count;
        }
    }
    return count;
}

// Byte offset at which character number index (from 0) begins, or text.size() when the text has
// fewer characters.
std::size_t characterOffset(std::string_view text, std::size_t index) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuationByte(text[i])) {
            if (seen == index) {
                return i;
            }
            ++seen;
        }
    }
    return text.size();
}

}  // namespace

double wrapAngle(double value, double period) {
    const double q = value / period;
    const double whole = std::trunc(q);
    if (!(std::fabs(whole) <= 2147483647.0)) {
        // Too many turns for the turn count (or not a number at all): take the remainder
        // directly rather than converting an out-of-range count.
        double r = std::fmod(value, period);
        if (r < 0.0) {
            r += period;
        }
        return r;
    }
    const auto n = static_cast<std::int32_t>(whole);
    if (value >= 0.0) {
        // + 0.0 turns a negative zero into zero: a course of -0 would read "-00.0°".
        return value - static_cast<double>(n) * period + 0.0;
    }
    if (q == whole) {
        return 0.0;
    }
    return value - static_cast<double>(n - 1) * period;
}

ClockTime parseClockTime(std::string_view text) {
    ClockTime rejected{-1.0, std::string(text)};
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return rejected;
    }
    if (countCharacters(text) != 4) {
        return rejected;
    }
    const std::string_view rest = text.substr(characterOffset(text, 2));
    const double minutes = readReal(rest, rest.size());
    if (minutes > 59.0) {
        return rejected;
    }
    const std::string_view hoursText = text.substr(0, colon);
    const double hours = readReal(hoursText, hoursText.size());
    return ClockTime{hours * 60.0 + minutes, std::string(hoursText)};
}

}  // namespace orvane
