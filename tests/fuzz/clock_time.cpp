// Fuzzes the "h:mm" time reader.
//
// What must hold for every input: the minutes are a finite number (the hours before the colon may
// be as large as "9e9" in four characters, and still give a number); a rejected text comes back
// whole, an accepted one as the text before its first colon; only texts of four characters with
// a colon are accepted; a well-formed h:mm gives h * 60 + mm exactly (mm up to 59); and the
// result is the same in a comma locale.
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/entry.hpp"
#include "tests/fuzz/fuzz_support.hpp"

using namespace orvane;

namespace {

bool digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const ClockTime t = parseClockTime(text);
    fuzz::require(std::isfinite(t.minutes), "parseClockTime gave a number that is not finite");

    const std::size_t colon = text.find(':');
    const bool whole = t.hoursText == text;
    const bool beforeColon =
        colon != std::string_view::npos && t.hoursText == text.substr(0, colon);
    fuzz::require(whole || beforeColon, "parseClockTime changed the text in another way");
    if (colon == std::string_view::npos) {
        fuzz::require(t.minutes == -1.0 && whole, "a text without a colon was accepted");
    }
    if (text.size() == 4 && digit(text[0]) && text[1] == ':' && digit(text[2]) && digit(text[3])) {
        const int mm = (text[2] - '0') * 10 + (text[3] - '0');
        const double want = mm > 59 ? -1.0 : (text[0] - '0') * 60.0 + mm;
        fuzz::require(t.minutes == want, "a well-formed h:mm gave the wrong minutes");
    }

    fuzz::inCommaLocale([&] {
        const ClockTime again = parseClockTime(text);
        fuzz::require(fuzz::sameBits(again.minutes, t.minutes) && again.hoursText == t.hoursText,
                      "parseClockTime depends on the process locale");
    });
    return 0;
}
