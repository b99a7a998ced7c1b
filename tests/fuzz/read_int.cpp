// Fuzzes the integer reader (the platform's integer reading of a field).
//
// What must hold for every input: the result is the number written by leading spaces, an
// optional sign ('+' or '-') and decimal digits (up to the first other character), or 0 when there
// are no digits or the number does not fit in 32 bits; and it is the same in a comma locale. The
// reference below works on the digits as text, so no arithmetic of its own can overflow.
#include <cstdint>
#include <string>

#include "calc/numbers.hpp"
#include "tests/fuzz/fuzz_support.hpp"

using namespace orvane;

namespace {

std::int32_t expected(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    std::string digits;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        digits += text[i++];
    }
    if (digits.empty()) {
        return 0;
    }
    const std::size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
    // The magnitude that still fits: 2147483647, or 2147483648 with the minus sign.
    const std::string limit = negative ? "2147483648" : "2147483647";
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit)) {
        return 0;
    }
    const std::int64_t magnitude = std::stoll(digits);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const std::int32_t value = readInt(text);
    fuzz::require(value == expected(text), "readInt differs from the rule");
    fuzz::inCommaLocale(
        [&] { fuzz::require(readInt(text) == value, "readInt depends on the process locale"); });
    return 0;
}
