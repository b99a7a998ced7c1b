// Fuzzes the reader of the magnetic model's coefficient file with whatever a pilot may drop into
// the data folder: a newer model, a damaged download, some other file of that name.
//
// What must hold for every input:
//  * the reader never reads past the text, and gives the same answer in a locale whose decimal
//    point is a comma;
//  * a text it accepts is a complete model: a name of 1 to 24 printable characters, an epoch
//    from 1900 to 2200, every coefficient finite and below 1e6 in size;
//  * such a model gives a finite declination within half a turn everywhere, poles included, on
//    dates inside and outside its five years;
//  * the model written back in the file's own layout is read as the same model, to the bit.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/numbers.hpp"
#include "geo/magnetic_model.hpp"
#include "geo/magnetic_model_file.hpp"
#include "tests/fuzz/fuzz_support.hpp"

using namespace orvane;

namespace {

bool sameModel(const MagneticModel& a, const MagneticModel& b) {
    if (a.name != b.name || !fuzz::sameBits(a.epoch, b.epoch)) {
        return false;
    }
    for (int k = 0; k < kMagneticModelTerms; ++k) {
        if (!fuzz::sameBits(a.g[k], b.g[k]) || !fuzz::sameBits(a.h[k], b.h[k]) ||
            !fuzz::sameBits(a.gDot[k], b.gDot[k]) || !fuzz::sameBits(a.hDot[k], b.hDot[k])) {
            return false;
        }
    }
    return true;
}

// The model in NOAA's layout, every number to 17 significant digits.
std::string written(const MagneticModel& m) {
    std::string text = formatC("%.17g %s 01/01/2000\n", m.epoch, m.name.c_str());
    for (int n = 1; n <= kMagneticModelDegree; ++n) {
        for (int m2 = 0; m2 <= n; ++m2) {
            const int k = magneticTerm(n, m2);
            text += formatC("%d %d %.17g %.17g %.17g %.17g\n", n, m2, m.g[k], m.h[k], m.gDot[k],
                            m.hDot[k]);
        }
    }
    return text + "999999999999999999999999999999999999999999999999\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The text lives in its own buffer of exactly its size, so reading past it is caught.
    const std::string copy(reinterpret_cast<const char*>(data), size);
    const std::optional<MagneticModel> model = parseMagneticModel(copy);
    fuzz::inCommaLocale([&] {
        const std::optional<MagneticModel> again = parseMagneticModel(copy);
        fuzz::require(again.has_value() == model.has_value() &&
                          (!model || sameModel(*model, *again)),
                      "the reader depends on the process locale");
    });
    if (!model) {
        return 0;
    }
    const MagneticModel& m = *model;
    fuzz::require(!m.name.empty() && m.name.size() <= 24, "an accepted name is out of bounds");
    for (char c : m.name) {
        fuzz::require(c > ' ' && c <= '~', "an accepted name has a character that is not shown");
    }
    fuzz::require(m.epoch >= 1900.0 && m.epoch <= 2200.0, "an accepted epoch is out of range");
    for (int k = 0; k < kMagneticModelTerms; ++k) {
        for (double v : {m.g[k], m.h[k], m.gDot[k], m.hDot[k]}) {
            fuzz::require(std::isfinite(v) && std::fabs(v) < 1e6,
                          "an accepted coefficient is out of range");
        }
    }
    const double places[][3] = {{90.0, 0.0, 0.0},     {-90.0, 135.0, 0.0}, {0.0, 0.0, 0.0},
                                {45.0, -120.0, 0.0},  {-33.9, 151.2, 100.0},
                                {89.99999, 10.0, 0.0}};
    for (const auto& p : places) {
        for (double year : {m.epoch, m.epoch + 2.5, m.epoch + 50.0, m.epoch - 50.0}) {
            const double d = magneticDeclination(m, p[0], p[1], p[2], year);
            fuzz::require(std::isfinite(d) && std::fabs(d) <= 180.0,
                          "an accepted model gives no declination");
        }
    }
    const std::optional<MagneticModel> reread = parseMagneticModel(written(m));
    fuzz::require(reread.has_value() && sameModel(m, *reread),
                  "the model written back is not read as the same model");
    return 0;
}
