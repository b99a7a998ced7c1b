#include "perf/conversions.hpp"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using Cat = ConversionCategory;

// The rows written and their texts, in order: "5=72.00 4=158.73 ...".
std::string written(Cat category, int sourceRow, double x, double sg = 0.0) {
    const auto result = convert(category, sourceRow, x, sg);
    if (!result) {
        return "no conversion";
    }
    std::string out;
    for (const RowValue& v : result->written()) {
        if (!out.empty()) {
            out += ' ';
        }
        out += std::to_string(v.row) + "=" + formatConversion(v.value);
    }
    return out;
}

TEST(Conversions, WorkedCasesInTheOrderTheyAreWritten) {
    struct Case {
        const char* name;
        Cat category;
        int row;
        double x;
        double sg;
        const char* texts;
    };
    const Case cases[] = {
        {"fuel: 100 litres", Cat::VolumeToWeight, 1, 100, 0.72, "5=72.00 4=158.73 2=26.48 3=22.05"},
        {"fuel: 500 lb", Cat::VolumeToWeight, 4, 500, 0.72, "5=226.80 1=315.00 2=83.40 3=69.44"},
        {"fuel: 10 US gallons", Cat::VolumeToWeight, 2, 10, 0.72, "5=27.19 4=59.95 3=8.33 1=37.77"},
        {"fuel: 10 imperial gallons", Cat::VolumeToWeight, 3, 10, 0.72,
         "5=32.66 4=72.00 2=12.01 1=45.36"},
        {"fuel: 72 kg", Cat::VolumeToWeight, 5, 72, 0.72, "4=158.73 2=26.48 3=22.05 1=100.00"},
        {"fuel: the gravity row is the kilogram source", Cat::VolumeToWeight, 6, 72, 0.72,
         "4=158.73 2=26.48 3=22.05 1=100.00"},
        {"volume: 10 US gallons", Cat::Volume, 3, 10, 0, "1=37.85 2=8.33"},
        {"celsius -40", Cat::Temperature, 1, -40, 0, "2=-40.00"},
        {"fahrenheit -40", Cat::Temperature, 2, -40, 0, "1=-40.00"},
        {"empty celsius row", Cat::Temperature, 1, 0, 0, "2=32.00"},
        {"standard pressure in millibars", Cat::Pressure, 1, 1013.25, 0, "2=29.92"},
        {"standard pressure in inches", Cat::Pressure, 2, 29.92, 0, "1=1013.20"},
        {"100 nm", Cat::Distance, 1, 100, 0, "2=115.08 3=185.20"},
        {"100 kt", Cat::Airspeed, 1, 100, 0, "2=115.08 3=185.20"},
        {"100 lb", Cat::Weight, 1, 100, 0, "2=45.36"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(written(c.category, c.row, c.x, c.sg), c.texts) << c.name;
    }
}

TEST(Conversions, ExactFactorsCarryTheirLastDigits) {
    // Statute miles to kilometres is the product of the two other factors, not 1.609343552.
    EXPECT_EQ(convert(Cat::Distance, 2, 1.0, 0)->values[1].value, 1.6093435520000001);
    EXPECT_EQ(convert(Cat::Airspeed, 3, 1.0, 0)->values[1].value, 0.62137171646);
    // A US gallon of water is 3.7769844869817657 kg, not 8.32674 / 2.2046.
    EXPECT_EQ(convert(Cat::VolumeToWeight, 2, 1.0, 1.0)->values[0].value, 3.7769844869817657);
    EXPECT_EQ(convert(Cat::VolumeToWeight, 3, 1.0, 1.0)->values[0].value, 4.535970244035199);
    EXPECT_EQ(convert(Cat::VolumeToWeight, 4, 1.0, 1.0)->values[0].value, 0.4535970244035199);
}

TEST(Conversions, RowsACategoryDoesNotHaveConvertNothing) {
    EXPECT_EQ(written(Cat::Weight, 3, 10), "no conversion");
    EXPECT_EQ(written(Cat::Temperature, 3, 10), "no conversion");
    EXPECT_EQ(written(Cat::Volume, 4, 10), "no conversion");
    EXPECT_EQ(written(Cat::Airspeed, 6, 10), "no conversion");
    EXPECT_EQ(written(Cat::VolumeToWeight, 0, 10), "no conversion");
    EXPECT_EQ(written(Cat::VolumeToWeight, 7, 10), "no conversion");
    EXPECT_EQ(written(static_cast<Cat>(8), 1, 10), "no conversion");
}

TEST(Conversions, ZeroSpecificGravityShowsDashesForLitresAndGallons) {
    EXPECT_EQ(written(Cat::VolumeToWeight, 1, 100, 0), "5=0.00 4=0.00 2=---- 3=----");
    EXPECT_EQ(written(Cat::VolumeToWeight, 4, 500, 0), "5=226.80 1=---- 2=---- 3=----");
    EXPECT_EQ(written(Cat::VolumeToWeight, 5, 100, 0), "4=220.46 2=---- 3=---- 1=----");
}

TEST(Conversions, CategoryTableMatchesTheDialog) {
    ASSERT_EQ(conversionCategories.size(), 7u);
    for (std::size_t i = 0; i < conversionCategories.size(); ++i) {
        const auto& info = conversionCategories[i];
        EXPECT_EQ(static_cast<std::size_t>(info.category), i + 1);
        EXPECT_EQ(conversionCategoryInfo(info.category), &info);
        for (int row = 0; row < kConversionRows; ++row) {
            EXPECT_EQ(info.rowLabels[row] != nullptr, row < info.rowCount) << info.radioText;
        }
    }
    const auto* volume = conversionCategoryInfo(Cat::Volume);
    const auto* fuel = conversionCategoryInfo(Cat::VolumeToWeight);
    EXPECT_EQ(volume->radioId, 1017);
    EXPECT_STREQ(volume->rowLabels[1], "Imp Galls (img)");
    EXPECT_EQ(fuel->radioId, 1024);
    EXPECT_STREQ(fuel->radioText, "Volume to Weight");
    EXPECT_STREQ(fuel->rowLabels[1], "US Gallons (usg)");
    EXPECT_STREQ(fuel->rowLabels[5], "Specific gravity (sg)");
    EXPECT_STREQ(conversionCategoryInfo(Cat::Temperature)->rowLabels[0],
                 "Celsius (\xC2\xB0"
                 "C)");
    EXPECT_EQ(conversionCategoryInfo(static_cast<Cat>(0)), nullptr);
}

}  // namespace
}  // namespace orvane
