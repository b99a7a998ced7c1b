// Faults found by fuzzing the readers and the settings file, by the monkey and by the store's
// fault runs, each kept as a test named after the fault.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/numbers.hpp"
#include "platform/file_registry.hpp"

namespace orvane {
namespace {

// readReal used to pick infinity or zero for a number out of a double's range by the sign of
// its exponent alone. Only a field read whole (more than about 310 characters) can hold such a
// number, but the reader is the one all text goes through.
TEST(ReadRealOutOfRange, ManyDigitsWithANegativeExponentAreTooLargeNotZero) {
    const std::string tooLarge = std::string(320, '9') + "e-5";
    EXPECT_EQ(readReal(tooLarge, tooLarge.size()), HUGE_VAL);
    EXPECT_EQ(readReal("-" + tooLarge, tooLarge.size() + 1), -HUGE_VAL);
}

TEST(ReadRealOutOfRange, ManyLeadingZerosWithAPositiveExponentAreTooSmallNotInfinite) {
    const std::string tooSmall = "0." + std::string(400, '0') + "1e+5";
    EXPECT_EQ(readReal(tooSmall, tooSmall.size()), 0.0);
    const double negative = readReal("-" + tooSmall, tooSmall.size() + 1);
    EXPECT_EQ(negative, 0.0);
    EXPECT_TRUE(std::signbit(negative));
}

TEST(ReadRealOutOfRange, TheExponentAloneStillDecidesForShortNumbers) {
    EXPECT_EQ(readReal("1e999"), HUGE_VAL);
    EXPECT_EQ(readReal("1e-999"), 0.0);
    EXPECT_EQ(readReal("1e99999999999"), HUGE_VAL);  // an exponent past any counter
    EXPECT_EQ(readReal("0e99999999999"), 0.0);       // zero stays zero
}

// A settings file whose last value goes on past the end of the file (its last line ends in a
// backslash): a save that writes anything after it made the next line part of that value, so
// "Temp" was lost at the next start. Disabled until the settings file's author mends it.
TEST(SettingsFileFaults, DISABLED_ValueCutOffAtTheEndOfTheFileKeepsTheNextSavedLine) {
    const std::string text =
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\software\\Kelbrin Software\\kq7d]\n"
        "\"Blob\"=hex:01,02,\\";
    RegistryData data;
    RegistryDocument document;
    ASSERT_TRUE(parseRegistryFile(text, data, document));
    const RegistryValue blob = *data.findValue("software\\Kelbrin Software\\kq7d", "Blob");
    RegistryValue temp;
    temp.name = "Temp";
    temp.dword = 1;
    data.setValue("software\\Kelbrin Software\\kq7d", temp);

    RegistryData again;
    RegistryDocument againDocument;
    ASSERT_TRUE(parseRegistryFile(renderRegistryFile(data, document), again, againDocument));
    const RegistryValue* savedTemp = again.findValue("software\\Kelbrin Software\\kq7d", "Temp");
    ASSERT_NE(savedTemp, nullptr);
    EXPECT_EQ(savedTemp->dword, 1u);
    const RegistryValue* savedBlob = again.findValue("software\\Kelbrin Software\\kq7d", "Blob");
    ASSERT_NE(savedBlob, nullptr);
    EXPECT_EQ(savedBlob->text, blob.text);
}

}  // namespace
}  // namespace orvane
