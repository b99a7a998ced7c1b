// The conversions calculator (template 119): its six value rows as data.
#pragma once

#include <array>

#include "perf/conversions.hpp"

namespace orvane {

// One value row: the edit field (both input and output) and its unit label to the right.
struct ConversionRowControls {
    int fieldId;
    int labelId;
};

// Rows 1 to 6, row 1 first.
inline constexpr std::array<ConversionRowControls, kConversionRows> conversionRowControls{{
    {1019, 1008},
    {1005, 1009},
    {1006, 1010},
    {1007, 1011},
    {1025, 1026},
    {1012, 1013},
}};

// The help page of the calculator.
inline constexpr const char* kConversionsHelp = "conversions.htp";

}  // namespace orvane
