// What the fuzz targets share: the input as text, a stop that libFuzzer reports with the input,
// and a run of a reader under a locale whose decimal point is a comma.
#pragma once

#include <locale.h>
#include <sanitizer/lsan_interface.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace orvane::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the run: libFuzzer keeps the input that got here as a crash file.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void require(bool ok, const char* what) {
    if (!ok) {
        fail(what);
    }
}

// Two doubles are the same number: equal bits (so 0 and -0 differ; NaN never matches).
inline bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A locale that writes "1,5": the first of a few that this machine has (LOCPATH may point at one
// made with localedef), or null when none is there.
inline locale_t commaLocale() {
    static locale_t loc = [] {
        // The C library keeps the search path of LOCPATH for the whole run: not a leak of ours.
        __lsan::ScopedDisabler keptByTheLibrary;
        for (const char* name :
             {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"}) {
            if (locale_t l = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr))) {
                return l;
            }
        }
        if (std::getenv("ORVANE_FUZZ_NEED_LOCALE") != nullptr) {
            fail("no locale with a decimal comma (ORVANE_FUZZ_NEED_LOCALE is set)");
        }
        return static_cast<locale_t>(nullptr);
    }();
    return loc;
}

// The C locale, for the C library's own reading as a reference.
inline locale_t plainLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Runs f with the process in the comma locale (as a Qt program in a German desktop would be),
// then puts the locale back.
template <typename F>
void inCommaLocale(F f) {
    locale_t comma = commaLocale();
    if (comma == static_cast<locale_t>(nullptr)) {
        return;
    }
    locale_t previous = uselocale(comma);
    f();
    uselocale(previous);
}

}  // namespace orvane::fuzz
