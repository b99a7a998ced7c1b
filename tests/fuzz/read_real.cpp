// Fuzzes the real-number reader with whatever can be typed or pasted into a field.
//
// The first byte chooses how many characters are read (9, 14 or the whole text), the rest is the
// field's text. What must hold for every input:
//  * the result is a number: finite, or +/-infinity for a number too large; never NaN;
//  * it is the same in a locale whose decimal point is a comma;
//  * a comma is a decimal mark exactly as a point is: the text with every comma made a point
//    reads the same;
//  * on text made only of the characters a decimal number is written with, it is exactly what
//    the C library reads in the C locale (too small gives zero, too large infinity, signs kept).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/numbers.hpp"
#include "tests/fuzz/fuzz_support.hpp"

using namespace orvane;

namespace {

bool plainDecimal(std::string_view s) {
    for (char c : s) {
        if (std::string_view("0123456789+-.,eE \t\n\r\f\v").find(c) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t limits[] = {9, kFieldChars, static_cast<std::size_t>(-1)};
    const std::size_t maxChars = limits[data[0] % 3];
    const std::string_view text = fuzz::asText(data + 1, size - 1);

    const double value = readReal(text, maxChars);
    fuzz::require(!std::isnan(value), "readReal gave NaN");

    fuzz::inCommaLocale([&] {
        fuzz::require(fuzz::sameBits(readReal(text, maxChars), value),
                      "readReal depends on the process locale");
    });

    std::string points(text);
    std::replace(points.begin(), points.end(), ',', '.');
    fuzz::require(fuzz::sameBits(readReal(points, maxChars), value),
                  "a comma reads differently from a point");

    const std::string_view head =
        std::string_view(points).substr(0, std::min(text.size(), maxChars));
    if (plainDecimal(head)) {
        const std::string copy(head);
        const double reference = strtod_l(copy.c_str(), nullptr, fuzz::plainLocale());
        fuzz::require(fuzz::sameBits(value, reference), "readReal differs from the C library");
    }
    return 0;
}
