#include "calc/numbers.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace orvane {
namespace {

struct RealCase {
    const char* text;
    double value;
};

TEST(ReadReal, ReadsTheLongestLeadingNumber) {
    const RealCase cases[] = {
        {"120", 120.0}, {"  12.5kt", 12.5}, {"-3.25", -3.25}, {"+7", 7.0},     {".5", 0.5},
        {"5.", 5.0},    {"1e3", 1000.0},    {"1e", 1.0},      {"2E-2x", 0.02}, {"1.5.5", 1.5},
        {"", 0.0},      {"abc", 0.0},       {"-", 0.0},       {".", 0.0},      {"0x1A", 0.0},
        {"inf", 0.0},   {"nan", 0.0},       {"--5", 0.0},     {"1;5", 1.0},    {"\t 42", 42.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readReal(c.text), c.value) << c.text;
    }
}

// A comma is read as a decimal mark exactly as a point is, whatever the locale; only the first
// mark counts, and what follows the number is ignored as before.
TEST(ReadReal, TakesACommaAsTheDecimalMark) {
    const RealCase cases[] = {
        {"8,5", 8.5},   {"-0,25", -0.25}, {"102,8", 102.8},  {"1,5,3", 1.5},
        {",5", 0.5},    {"5,", 5.0},      {",", 0.0},        {"1,5e2", 150.0},
        {"1.5,3", 1.5}, {"1,5.3", 1.5},   {" 12,5kt", 12.5}, {"12345678901,234", 12345678901.23},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readReal(c.text), c.value) << c.text;
    }
    EXPECT_EQ(readReal("1234567,89", 9), 1234567.8);
}

TEST(ReadReal, ReadsOnlyTheFirstCharactersOfAField) {
    EXPECT_EQ(readReal("12345678901234567"), 12345678901234.0);
    EXPECT_EQ(readReal("123456789012", 9), 123456789.0);
}

TEST(ReadReal, HugeExponentsGiveInfinityOrZeroNeverGarbage) {
    EXPECT_TRUE(std::isinf(readReal("1e999")));
    EXPECT_TRUE(std::isinf(readReal("-1e999")));
    EXPECT_LT(readReal("-1e999"), 0.0);
    EXPECT_EQ(readReal("1e-999"), 0.0);
}

TEST(ReadReal, IgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_ALL, "C.UTF-8");
    }
    EXPECT_EQ(readReal("1.5"), 1.5);
    EXPECT_EQ(readReal("1,5"), 1.5);
    EXPECT_EQ(formatC("%1.1f", 1.5), "1.5");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(ReadWholeReal, TakesOneNumberAndNothingElse) {
    EXPECT_EQ(readWholeReal("120.0"), 120.0);
    EXPECT_EQ(readWholeReal("-3.25"), -3.25);
    EXPECT_EQ(readWholeReal("+1.2e2"), 120.0);
    EXPECT_EQ(readWholeReal(" 7"), 7.0);
    for (const char* text : {"", "1,5", "120.0kt", "1e", "inf", "nan", "0x10", "-", "."}) {
        EXPECT_FALSE(readWholeReal(text).has_value()) << text;
    }
}

TEST(ReadInt, StopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(readInt("360"), 360);
    EXPECT_EQ(readInt("  -5"), -5);
    EXPECT_EQ(readInt("12.5"), 12);
    EXPECT_EQ(readInt("12abc"), 12);
    EXPECT_EQ(readInt("abc"), 0);
    EXPECT_EQ(readInt("-"), 0);
    // Regression: "+400" read as 0 here but as 400 by the real reading, so it passed a
    // "Max 360" check and the calculation then used 400.
    EXPECT_EQ(readInt("+5"), 5);
    EXPECT_EQ(readInt(" +400"), 400);
    EXPECT_EQ(readInt("+"), 0);
    EXPECT_EQ(readInt("+-5"), 0);
    EXPECT_EQ(readInt("+2147483648"), 0);
    EXPECT_EQ(readInt("2147483647"), 2147483647);
    EXPECT_EQ(readInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(readInt("2147483648"), 0);
    EXPECT_EQ(readInt("99999999999999999999"), 0);
}

TEST(Format, WritesPrintfFormatsWithAPoint) {
    EXPECT_EQ(formatReal("%03.0f\u00b0", 99.594), "100\u00b0");
    EXPECT_EQ(formatReal("%03.0f\u00b0", 5.4), "005\u00b0");
    EXPECT_EQ(formatReal("%1.1fnm", 641.27), "641.3nm");
    EXPECT_EQ(formatInt(-17), "-17");
}

TEST(Format, HalfwayValuesRoundAwayFromZero) {
    EXPECT_EQ(formatReal("%1.0f kt", 120.5), "121 kt");
    EXPECT_EQ(formatReal("%1.0f kt", 121.5), "122 kt");
    EXPECT_EQ(formatReal("%1.0f", -2.5), "-3");
    EXPECT_EQ(formatReal("%1.1f", 0.25), "0.3");
    EXPECT_EQ(formatReal("%1.2f", 1.125), "1.13");
    // Not a tie in binary: 0.15 is a little below 0.15 and stays 0.1.
    EXPECT_EQ(formatReal("%1.1f", 0.15), "0.1");
    EXPECT_EQ(formatReal("%03.0f\u00b0", 359.5), "360\u00b0");
}

TEST(Format, ANumberThatIsNotFiniteShowsDashes) {
    EXPECT_EQ(formatReal("%1.0f kt", std::nan("")), "----");
    EXPECT_EQ(formatReal("%1.0f kt", INFINITY), "----");
    EXPECT_EQ(formatReal("%1.2f", -INFINITY), "----");
}

TEST(TruncToInt32, RefusesWhatDoesNotFit) {
    EXPECT_EQ(truncToInt32(118.9), 118);
    EXPECT_EQ(truncToInt32(-3.7), -3);
    EXPECT_FALSE(truncToInt32(3e9).has_value());
    EXPECT_FALSE(truncToInt32(std::nan("")).has_value());
    double field = 5.0;
    EXPECT_FALSE(storeFinite(field, INFINITY));
    EXPECT_EQ(field, 5.0);
}

}  // namespace
}  // namespace orvane
