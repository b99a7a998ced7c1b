// The conversions calculator (template 119): its six value rows as data.
#pragma once

#include <array>

#include "perf/conversions.hpp"
#include "res/ids.hpp"

namespace orvane {

// One value row: the edit field (both input and output) and its unit label to the right.
struct ConversionRowControls {
    int fieldId;
    int labelId;
};

// Rows 1 to 6, row 1 first.
inline constexpr std::array<ConversionRowControls, kConversionRows> conversionRowControls{{
    {ctl::conversions::kRow1, ctl::conversions::kRow1Unit},
    {ctl::conversions::kRow2, ctl::conversions::kRow2Unit},
    {ctl::conversions::kRow3, ctl::conversions::kRow3Unit},
    {ctl::conversions::kRow4, ctl::conversions::kRow4Unit},
    {ctl::conversions::kRow5, ctl::conversions::kRow5Unit},
    {ctl::conversions::kRow6, ctl::conversions::kRow6Unit},
}};

// The help page of the calculator.
inline constexpr const char* kConversionsHelp = "conversions.htp";

}  // namespace orvane
