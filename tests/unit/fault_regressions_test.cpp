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

const char* const kPrefs = "software\\Kelbrin Software\\kq7d";
const char* const kDefs = "software\\Kelbrin Software\\kq7d\\def";
const std::string kPrefsHeader = "[HKEY_LOCAL_MACHINE\\software\\Kelbrin Software\\kq7d]";

// What the next start reads after a save that set "Temp" (after the key's last value) and made
// the defaults key (at the end of the file).
struct AfterSave {
    std::string written;
    RegistryData first;
    RegistryData again;
    bool accepted = false;
    std::string writtenAgain;  // the save after that, with nothing changed
};

AfterSave saveTempAndDefaults(const std::string& text) {
    AfterSave s;
    RegistryDocument document;
    if (!parseRegistryFile(text, s.first, document)) {
        return s;
    }
    RegistryData data = s.first;
    data.setValue(kPrefs, RegistryValue{"Temp", RegistryValue::Type::Dword, 1, {}});
    data.setValue(kDefs, RegistryValue{"Lat", RegistryValue::Type::Dword, 0x4b681, {}});
    s.written = renderRegistryFile(data, document);
    RegistryDocument againDocument;
    s.accepted = parseRegistryFile(s.written, s.again, againDocument);
    s.writtenAgain = renderRegistryFile(s.again, againDocument);
    return s;
}

// A settings file whose last value goes on past the end of the file (its last line ends in a
// backslash): a save that writes anything after it made the next line part of that value, so
// "Temp" was lost at the next start.
TEST(SettingsFileFaults, ValueCutOffAtTheEndOfTheFileKeepsTheNextSavedLine) {
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

// The same fault wherever the value is cut off, and for a new key as well as a new value: each
// file is written back with what the save added on lines of their own, and the value cut off
// reads as it did.
TEST(SettingsFileFaults, ValueCutOffAnywhereAtTheEndOfTheFileKeepsNewValuesAndKeys) {
    const std::string lf = "REGEDIT4\n\n" + kPrefsHeader + "\n";
    const std::string crlf = "REGEDIT4\r\n\r\n" + kPrefsHeader + "\r\n";
    const struct {
        const char* what;
        std::string text;
        const char* blob;  // the value's text, as read before and after the save
    } cases[] = {
        {"right after the backslash", lf + "\"Blob\"=hex:01,02,\\", "hex:01,02,\\\n"},
        {"after the backslash's line end", lf + "\"Blob\"=hex:01,02,\\\n", "hex:01,02,\\\n"},
        {"with blanks after the backslash", lf + "\"Blob\"=hex:01,02,\\ \t", "hex:01,02,\\ \t\n"},
        {"on a line that goes on", lf + "\"Blob\"=hex:01,\\\n  02,\\", "hex:01,\\\n  02,\\\n"},
        {"in a file of CRLF lines", crlf + "\"Blob\"=hex:01,02,\\\r\n", "hex:01,02,\\\n"},
        {"as an empty line ends it", lf + "\"Blob\"=hex:01,02,\\\n\n", "hex:01,02,\\\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const AfterSave s = saveTempAndDefaults(c.text);
        ASSERT_TRUE(s.accepted) << s.written;
        EXPECT_EQ(s.written.substr(0, c.text.size()), c.text);  // every byte read is kept
        EXPECT_EQ(s.first.findValue(kPrefs, "Blob")->text, c.blob);
        const RegistryValue* blob = s.again.findValue(kPrefs, "Blob");
        ASSERT_NE(blob, nullptr);
        EXPECT_EQ(blob->text, c.blob);
        const RegistryValue* temp = s.again.findValue(kPrefs, "Temp");
        ASSERT_NE(temp, nullptr) << s.written;
        EXPECT_EQ(temp->dword, 1u);
        const RegistryValue* lat = s.again.findValue(kDefs, "Lat");
        ASSERT_NE(lat, nullptr) << s.written;
        EXPECT_EQ(lat->dword, 0x4b681u);
        EXPECT_EQ(s.writtenAgain, s.written);
    }
}

// A file that ends in a carriage return without its line feed (cut off in a CRLF line end): the
// save's line end after it made the CR part of a CRLF, so a last line "...\<CR>" that did not go
// on went on after the save and swallowed "Temp", and a last value "..."<CR>" of another type
// came back as a string.
TEST(SettingsFileFaults, CarriageReturnAtTheEndOfTheFileEndsTheLastLineBeforeAndAfterASave) {
    const std::string lf = "REGEDIT4\n\n" + kPrefsHeader + "\n";
    const std::string crlf = "REGEDIT4\r\n\r\n" + kPrefsHeader + "\r\n";
    const struct {
        const char* what;
        std::string text;
        RegistryValue::Type type;
        const char* read;  // the value's text, as read before and after the save
    } cases[] = {
        {"a value that goes on", lf + "\"Blob\"=hex:01,02,\\\r", RegistryValue::Type::Other,
         "hex:01,02,\\\n"},
        {"a value that goes on, CRLF lines", crlf + "\"Blob\"=hex:01,02,\\\r",
         RegistryValue::Type::Other, "hex:01,02,\\\n"},
        {"a string", lf + "\"Blob\"=\"abc\"\r", RegistryValue::Type::String, "abc"},
        {"a number", crlf + "\"Blob\"=dword:00000007\r", RegistryValue::Type::Dword, ""},
        {"a value of another type", lf + "\"Blob\"=hex:01\r", RegistryValue::Type::Other, "hex:01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const AfterSave s = saveTempAndDefaults(c.text);
        ASSERT_TRUE(s.accepted) << s.written;
        EXPECT_EQ(s.written.substr(0, c.text.size()), c.text);
        for (const RegistryData* d : {&s.first, &s.again}) {
            const RegistryValue* blob = d->findValue(kPrefs, "Blob");
            ASSERT_NE(blob, nullptr);
            EXPECT_EQ(blob->type, c.type);
            EXPECT_EQ(blob->text, c.read);
        }
        ASSERT_NE(s.again.findValue(kPrefs, "Temp"), nullptr) << s.written;
        ASSERT_NE(s.again.findValue(kDefs, "Lat"), nullptr) << s.written;
        EXPECT_EQ(s.writtenAgain, s.written);
    }

    // A file that is only its header cut off after the CR: the lines a save adds end in CRLF.
    const AfterSave header = saveTempAndDefaults("REGEDIT4\r");
    ASSERT_TRUE(header.accepted);
    EXPECT_EQ(header.written.substr(0, 12), "REGEDIT4\r\n\r\n");
    EXPECT_EQ(header.written.find("\n\n"), std::string::npos) << "a bare line feed";
}

// A string cut off after a backslash ("C:\dir\ at the end of the file) is not a string: it is
// kept as text of another type, and that text goes on like any other ending in a backslash.
// A save wrote "Temp" into it.
TEST(SettingsFileFaults, QuotedTextCutOffAfterABackslashKeepsTheNextSavedLine) {
    const std::string text = "REGEDIT4\n\n" + kPrefsHeader + "\n\"Path\"=\"C:\\dir\\";
    const AfterSave s = saveTempAndDefaults(text);
    ASSERT_TRUE(s.accepted);
    EXPECT_EQ(s.written.substr(0, text.size()), text);
    const RegistryValue* path = s.again.findValue(kPrefs, "Path");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->type, RegistryValue::Type::Other);
    EXPECT_EQ(path->text, s.first.findValue(kPrefs, "Path")->text);
    ASSERT_NE(s.again.findValue(kPrefs, "Temp"), nullptr) << s.written;
    ASSERT_NE(s.again.findValue(kDefs, "Lat"), nullptr) << s.written;
    EXPECT_EQ(s.writtenAgain, s.written);
}

}  // namespace
}  // namespace orvane
