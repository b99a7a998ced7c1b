// orvane-bench-calls: counts the C library calls each benchmarked operation really makes.
//
// The program is linked with --wrap for every function in kLibraryCalls, so each call from the
// calculations goes through a counter here before reaching the library. What the compiler turned
// into instructions (pow(x, 2.0) into a product, sqrt into one instruction, sin and cos of one
// angle into one sincos) is counted as it runs, not as it reads in the source.
//
// Prints one line per operation: its name, a tab, then "function=calls" for each function it
// calls, averaged over the varied cases (orvane-bench reads this to build each floor).
#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

#include "bench/operations.hpp"

namespace {

std::array<long, orvane::bench::kLibraryCalls.size()> counts{};

constexpr std::size_t index(const char* name) {
    for (std::size_t i = 0; i < orvane::bench::kLibraryCalls.size(); ++i) {
        if (std::string_view(orvane::bench::kLibraryCalls[i]) == name) {
            return i;
        }
    }
    return orvane::bench::kLibraryCalls.size();
}

template <std::size_t I>
void count() {
    static_assert(I < orvane::bench::kLibraryCalls.size());
    ++counts[I];
}

}  // namespace

// The wrapped functions. The linker sends every reference to NAME to __wrap_NAME and every
// reference to __real_NAME to the library's NAME.
extern "C" {
#define ORVANE_WRAP1(name)           \
    double __real_##name(double);    \
    double __wrap_##name(double x) { \
        count<index(#name)>();       \
        return __real_##name(x);     \
    }
#define ORVANE_WRAP2(name)                     \
    double __real_##name(double, double);      \
    double __wrap_##name(double x, double y) { \
        count<index(#name)>();                 \
        return __real_##name(x, y);            \
    }
ORVANE_WRAP1(sin)
ORVANE_WRAP1(cos)
ORVANE_WRAP1(tan)
ORVANE_WRAP1(asin)
ORVANE_WRAP1(acos)
ORVANE_WRAP1(atan)
ORVANE_WRAP2(atan2)
ORVANE_WRAP2(pow)
ORVANE_WRAP1(log)
ORVANE_WRAP1(sqrt)
ORVANE_WRAP1(floor)
ORVANE_WRAP2(fmod)
void __real_sincos(double, double*, double*);
void __wrap_sincos(double x, double* s, double* c) {
    count<index("sincos")>();
    __real_sincos(x, s, c);
}
#undef ORVANE_WRAP1
#undef ORVANE_WRAP2
}

int main() {
    constexpr int kRounds = 4;  // every case several times, as the timing loop does
    orvane::bench::forEachOperation([&](const char* name, const orvane::bench::Args& base,
                                        auto run) {
        const auto cases = orvane::bench::varied(base);
        (void)run(cases[0]);  // anything made once, on first use, is made before the count
        counts.fill(0);
        for (int r = 0; r < kRounds; ++r) {
            for (const orvane::bench::Args& a : cases) {
                // The operations live in another library and are not known to be pure, so
                // no call is dropped even though the result is not used.
                (void)run(a);
            }
        }
        const double calls = static_cast<double>(kRounds * cases.size());
        std::string line = name;
        line += '\t';
        bool any = false;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            if (counts[i] == 0) {
                continue;
            }
            char item[48];
            std::snprintf(item, sizeof item, "%s%s=%g", any ? " " : "",
                          orvane::bench::kLibraryCalls[i], static_cast<double>(counts[i]) / calls);
            line += item;
            any = true;
        }
        std::printf("%s\n", line.c_str());
    });
    return 0;
}
