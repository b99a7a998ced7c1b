#include "perf/conversions.hpp"

#include "calc/numbers.hpp"

namespace orvane {

namespace {

// One result row of a plain conversion: value = (x + before) * factor + after. A pure factor has
// before = after = 0.0, which leaves x * factor exactly as it is.
struct ConversionTerm {
    int row;
    double before;
    double factor;
    double after;
};

struct ConversionRule {
    ConversionCategory category;
    int sourceRow;
    std::size_t count;
    std::array<ConversionTerm, 2> terms;  // in the order they are written
};

constexpr ConversionTerm scale(int row, double factor) {
    return {row, 0.0, factor, 0.0};
}

// Distance and airspeed share their factors: nautical miles (knots), statute miles (miles per
// hour), kilometres (kilometres per hour).
constexpr double kNmToSm = 1.15078;
constexpr double kNmToKm = 1.852;
constexpr double kSmToNm = 0.868976;
constexpr double kSmToKm = 1.6093435520000001;  // the product 0.868976 * 1.852
constexpr double kKmToNm = 0.539957;
constexpr double kKmToSm = 0.62137171646;  // the product 0.539957 * 1.15078

constexpr ConversionRule kRules[] = {
    {ConversionCategory::Volume, 1, 2, {scale(2, 0.219975), scale(3, 0.264179)}},
    {ConversionCategory::Volume, 2, 2, {scale(1, 4.54596), scale(3, 1.20095)}},
    {ConversionCategory::Volume, 3, 2, {scale(1, 3.78531), scale(2, 0.832674)}},
    {ConversionCategory::Weight, 1, 1, {scale(2, 0.453592)}},
    {ConversionCategory::Weight, 2, 1, {scale(1, 2.204622)}},
    {ConversionCategory::Distance, 1, 2, {scale(2, kNmToSm), scale(3, kNmToKm)}},
    {ConversionCategory::Distance, 2, 2, {scale(1, kSmToNm), scale(3, kSmToKm)}},
    {ConversionCategory::Distance, 3, 2, {scale(1, kKmToNm), scale(2, kKmToSm)}},
    {ConversionCategory::Temperature, 1, 1, {ConversionTerm{2, 0.0, 1.8, 32.0}}},
    {ConversionCategory::Temperature, 2, 1, {ConversionTerm{1, -32.0, 0.5555555555555556, 0.0}}},
    {ConversionCategory::Pressure, 1, 1, {scale(2, 0.0295301)}},
    {ConversionCategory::Pressure, 2, 1, {scale(1, 33.863742)}},
    {ConversionCategory::Airspeed, 1, 2, {scale(2, kNmToSm), scale(3, kNmToKm)}},
    {ConversionCategory::Airspeed, 2, 2, {scale(1, kSmToNm), scale(3, kSmToKm)}},
    {ConversionCategory::Airspeed, 3, 2, {scale(1, kKmToNm), scale(2, kKmToSm)}},
};

// Volume to Weight goes through the kilograms: the source gives kg, and each other row follows
// from kg and sg.
constexpr double kPoundsPerKilogram = 2.2046;
constexpr double kPoundsPerUsGallonOfWater = 8.32674;
constexpr double kPoundsPerImpGallonOfWater = 10.0;

struct FuelSource {
    int sourceRow;
    bool timesGravity;  // kg = (sg * x) * kgPerUnit, else x * kgPerUnit
    double kgPerUnit;
    std::size_t count;
    std::array<int, 4> rows;  // the rows written, in order
};

constexpr FuelSource kFuelSources[] = {
    {1, true, 1.0, 4, {5, 4, 2, 3}},                  // litres
    {2, true, 3.7769844869817657, 4, {5, 4, 3, 1}},   // US gallons (kg of water per gallon)
    {3, true, 4.535970244035199, 4, {5, 4, 2, 1}},    // imperial gallons (10.0 / 2.2046)
    {4, false, 0.4535970244035199, 4, {5, 1, 2, 3}},  // pounds (1 / 2.2046)
    {5, false, 1.0, 4, {4, 2, 3, 1}},                 // kilograms with the specific gravity
    {6, false, 1.0, 4, {4, 2, 3, 1}},                 // the same source
};

double fuelRowValue(int row, double kg, double sg) {
    switch (row) {
        case 1:
            return kg / sg;  // litres
        case 2:
            return usGallonsFromKilograms(kg, sg);
        case 3:
            return impGallonsFromKilograms(kg, sg);
        case 4:
            return kg * kPoundsPerKilogram;
        default:
            return kg;
    }
}

std::optional<ConversionResult> convertFuel(int sourceRow, double x, double sg) {
    for (const FuelSource& source : kFuelSources) {
        if (source.sourceRow != sourceRow) {
            continue;
        }
        const double kg = source.timesGravity ? (sg * x) * source.kgPerUnit : x * source.kgPerUnit;
        ConversionResult result{};
        result.count = source.count;
        for (std::size_t i = 0; i < source.count; ++i) {
            result.values[i] = {source.rows[i], fuelRowValue(source.rows[i], kg, sg)};
        }
        return result;
    }
    return std::nullopt;
}

}  // namespace

const ConversionCategoryInfo* conversionCategoryInfo(ConversionCategory category) {
    for (const ConversionCategoryInfo& info : conversionCategories) {
        if (info.category == category) {
            return &info;
        }
    }
    return nullptr;
}

double usGallonsFromKilograms(double kg, double sg) {
    return (kg * kPoundsPerKilogram) / (sg * kPoundsPerUsGallonOfWater);
}

double impGallonsFromKilograms(double kg, double sg) {
    return (kg * kPoundsPerKilogram) / (sg * kPoundsPerImpGallonOfWater);
}

std::optional<ConversionResult> convert(ConversionCategory category, int sourceRow, double x,
                                        double sg) {
    if (category == ConversionCategory::VolumeToWeight) {
        return convertFuel(sourceRow, x, sg);
    }
    for (const ConversionRule& rule : kRules) {
        if (rule.category != category || rule.sourceRow != sourceRow) {
            continue;
        }
        ConversionResult result{};
        result.count = rule.count;
        for (std::size_t i = 0; i < rule.count; ++i) {
            const ConversionTerm& term = rule.terms[i];
            result.values[i] = {term.row, (x + term.before) * term.factor + term.after};
        }
        return result;
    }
    return std::nullopt;
}

std::string formatConversion(double value) {
    return formatReal("%1.2f", value);
}

}  // namespace orvane
