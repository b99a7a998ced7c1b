// Unit conversions: seven categories, each a column of two, three or six unit rows. The pilot
// types into one row (the source) and every other row of the category follows.
//
// The dialog picks the category's radio button, labels and visible rows from
// conversionCategories, and for the driving row calls convert(), then writes each returned
// (row, value) in the order returned with formatConversion().
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "res/ids.hpp"

namespace orvane {

enum class ConversionCategory {
    Volume = 1,
    Weight,
    Distance,
    Temperature,
    Pressure,
    Airspeed,
    VolumeToWeight
};

inline constexpr int kConversionRows = 6;  // rows of the dialog, numbered 1 to 6

struct ConversionCategoryInfo {
    ConversionCategory category;
    int radioId;            // control id of the category's radio button
    const char* radioText;  // the radio button's text
    int rowCount;           // rows 1 to rowCount are used and shown: 2, 3 or 6
    // The unit label of each row, row 1 first; nullptr for rows the category does not use.
    std::array<const char*, kConversionRows> rowLabels;
};

// The seven categories, in category order (index = category number - 1).
// In Volume row 2 is imperial gallons and row 3 US gallons; in Volume to Weight it is the other
// way round.
// clang-format off
inline constexpr std::array<ConversionCategoryInfo, 7> conversionCategories{{
    {ConversionCategory::Volume, ctl::conversions::kVolume, "Volume", 3,
     {"Litres (ltr)", "Imp Galls (img)", "US Galls (usg)", nullptr, nullptr, nullptr}},
    {ConversionCategory::Weight, ctl::conversions::kWeight, "Weight", 2,
     {"Pounds (lb)", "Kilogram (kg)", nullptr, nullptr, nullptr, nullptr}},
    {ConversionCategory::Distance, ctl::conversions::kDistance, "Distance", 3,
     {"Nautical mile (nm)", "Statute mile (sm)", "Kilometre (km)", nullptr, nullptr, nullptr}},
    {ConversionCategory::Temperature, ctl::conversions::kTemperature, "Temperature", 2,
     {"Celsius (°C)", "Fahrenheit (°F)", nullptr, nullptr, nullptr, nullptr}},
    {ConversionCategory::Pressure, ctl::conversions::kPressure, "Pressure", 2,
     {"millibar (mb)", "inches (in)", nullptr, nullptr, nullptr, nullptr}},
    {ConversionCategory::Airspeed, ctl::conversions::kAirspeed, "Airspeed", 3,
     {"Knots (kt)", "Miles/Hour (mph)", "Km/Hour (kph)", nullptr, nullptr, nullptr}},
    {ConversionCategory::VolumeToWeight, ctl::conversions::kVolumeToWeight, "Volume to Weight", 6,
     {"Litres (ltr)", "US Gallons (usg)", "Imp Gallons (img)", "Pounds (lb)", "Kilograms (kg)",
      "Specific gravity (sg)"}},
}};
// clang-format on

// The category's entry in conversionCategories, or nullptr for a value outside the enumeration.
const ConversionCategoryInfo* conversionCategoryInfo(ConversionCategory category);

// Volume to Weight rows. Rows 5 (kilograms) and 6 (specific gravity) are one source together.
inline constexpr int kVolumeToWeightKilogramRow = 5;
inline constexpr int kVolumeToWeightGravityRow = 6;
// The specific gravity put into row 6 when Volume to Weight is chosen.
inline constexpr const char* kDefaultSpecificGravityText = "0.72";

// US gallons of a fuel: (kg * 2.2046) / (sg * 8.32674). kg: kilograms; sg: specific gravity,
// dimensionless (water 1.0). sg 0 gives infinity, or NaN when kg is 0 too.
double usGallonsFromKilograms(double kg, double sg);

// Imperial gallons of a fuel: (kg * 2.2046) / (sg * 10.0). Same arguments and zero rule.
double impGallonsFromKilograms(double kg, double sg);

// One value to write into one row.
struct RowValue {
    int row;  // 1 to 6
    double value;
};

// The rows a conversion writes, in the order they are written.
struct ConversionResult {
    std::size_t count;
    std::array<RowValue, 4> values;  // the first count are used

    std::span<const RowValue> written() const { return {values.data(), count}; }
};

// Converts the value x of the source row (1 to 6) of a category into the category's other rows.
//
// x is the source row's value in the row's unit. sg is the specific gravity, the value of row 6,
// read afresh each time; only Volume to Weight uses it. For Volume to Weight with source row 5
// or 6 (the kilogram and specific-gravity source), pass the row-5 kilograms as x and the row-6
// specific gravity as sg, whichever of the two rows is driving.
//
// Returns nothing ("no conversion": the dialog writes nothing) for a source row the category does
// not have (row 3 in a two-row category, rows 4 to 6 outside Volume to Weight, rows outside 1 to
// 6) or a value outside the enumeration.
//
// A specific gravity of 0 makes the litre and gallon results of Volume to Weight infinite or NaN
// (shown "----"); the kilogram and pound results stay numbers.
std::optional<ConversionResult> convert(ConversionCategory category, int sourceRow, double x,
                                        double sg);

// A row value's text: "%1.2f", or "----" for a value that is not a finite number.
std::string formatConversion(double value);

}  // namespace orvane
