// Reading a World Magnetic Model coefficient file ("WMM.COF") in the format NOAA publishes it:
//
//     2025.0            WMM-2025     11/13/2024          epoch, model name, release date
//   1  0  -29351.8       0.0       12.0        0.0       n m g h g-dot h-dot (nT, nT/year)
//   ...                                                  every n 1..12 with every m 0..n
//  999999999999999999999999999999999999999999999999      the end (one or more lines of nines)
//
// Fields are separated by spaces or tabs; lines end with LF or CR LF. Numbers are read as plain
// decimals, whatever the process locale. Blank lines are passed over; the end of the text counts
// as the end too; nothing after the first line of nines is read.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "geo/magnetic_model.hpp"

namespace orvane {

// The file's name in the program's data folders.
inline constexpr const char* kMagneticModelFile = "WMM.COF";

// The program reads no more of a coefficient file than this; a longer file is not a model.
inline constexpr std::size_t kMagneticModelFileLimit = 64 * 1024;

// The model in text, or nothing when the text is not a complete model: a first line without an
// epoch (a finite decimal year from 1900 to 2200) and a name (1 to 24 printable characters, no
// spaces); a coefficient line without exactly two whole numbers and four finite numbers; n or m
// out of range (1 <= n <= 12, 0 <= m <= n); a coefficient given twice or missing; a coefficient
// of 1e6 nT (or nT a year) or more; anything else on a line before the end; text longer than
// kMagneticModelFileLimit.
std::optional<MagneticModel> parseMagneticModel(std::string_view text);

}  // namespace orvane
