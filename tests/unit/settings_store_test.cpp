#include "shell/settings_store.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/appearance.hpp"
#include "platform/memory_registry.hpp"
#include "tests/unit/message_window.hpp"

namespace orvane {
namespace {

using testkit::MessageWindow;

constexpr const char* kRead = "Could not read Key";
constexpr const char* kOpen = "Could not open Key";
constexpr const char* kClose = "Could not close Key";
constexpr const char* kCreate = "Could not create Key";
constexpr const char* kSet = "Could not set value Key";

std::uint32_t stored(const MemoryRegistry& registry, const char* key, const char* name) {
    const RegistryValue* v = registry.data().findValue(key, name);
    EXPECT_NE(v, nullptr) << key << " " << name;
    return v == nullptr ? 0xDEADBEEFu : v->dword;
}

std::uint32_t bits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

// ---------------------------------------------------------------------------------------------
// The stored numbers

struct EncodingCase {
    const char* what;
    std::uint32_t (*encode)(double);
    double (*decode)(std::uint32_t);
    double held;
    std::uint32_t stored;
    double loaded;
};

TEST(SettingsEncoding, WorkedCasesStoreAndLoadBack) {
    const EncodingCase cases[] = {
        {"latitude 51 deg 28.65 min, without its sign", encodeHundredths, decodeHundredths, 3088.65,
         308865, 3088.65},
        {"longitude 0 deg 0.50 min, without its sign", encodeHundredths, decodeHundredths, -0.5, 50,
         0.5},
        {"tas 120.5 kt in tenths", encodeTenths, decodeTenths, 120.5, 1205, 120.5},
        {"hourly cost 8.25 truncated to 8.2", encodeTenths, decodeTenths, 8.25, 82, 82 * 0.1},
        {"fuel flow 9.99 truncated to 9.9", encodeTenths, decodeTenths, 9.99, 99, 99 * 0.1},
        {"an arm shown 85.5 is held and stored as 855", encodeTruncated, decodeTruncated, 855.0,
         855, 855.0},
        {"an arm's fraction of a tenth is truncated", encodeTruncated, decodeTruncated, 855.9, 855,
         855.0},
        {"a negative arm keeps its sign", encodeTruncated, decodeTruncated, -855.0, bits(-855),
         -855.0},
        {"a negative arm truncates toward zero", encodeTruncated, decodeTruncated, -855.9,
         bits(-855), -855.0},
        {"a negative tas keeps its sign", encodeTenths, decodeTenths, -12.5, bits(-125),
         -125 * 0.1},
        {"zero", encodeTruncated, decodeTruncated, 0.0, 0, 0.0},
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.encode(c.held), c.stored);
        EXPECT_EQ(c.decode(c.stored), c.loaded);
    }
}

TEST(SettingsEncoding, NumbersThatCannotBeStoredStoreZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {nan, inf, -inf, 3.0e9, -3.0e9}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(encodeTruncated(v), 0u);
        EXPECT_EQ(encodeTenths(v), 0u);
    }
    EXPECT_EQ(encodeHundredths(nan), 0u);
    EXPECT_EQ(encodeHundredths(inf), 0u);
    EXPECT_EQ(encodeHundredths(5.0e7), 0u);  // 5e9 hundredths do not fit in 32 bits
}

// What the great circle dialog shows for a position held in minutes of arc when it opens: whole
// degrees, whole minutes and the hundredths rounded to the nearest.
struct ShownFields {
    int degrees, minutes, hundredths;
    bool negative;
    bool operator==(const ShownFields&) const = default;
};
ShownFields shownFields(double minutesOfArc) {
    const double m = std::fabs(minutesOfArc);
    const double f = std::fmod(m, 60.0);
    return {static_cast<int>(m) / 60, static_cast<int>(f),
            static_cast<int>((f - static_cast<int>(f)) * 100.0 + 0.5), minutesOfArc < 0.0};
}

// Every position the entry fields can express (degrees 0 to 180, of which latitudes use 0 to
// 90; minutes 0 to 59; hundredths 0 to 99; both hemispheres), held as the dialog forms it, comes
// back from a restart showing the same fields, and a second restart stores the same number.
// The doubles themselves are compared only through the fields: the loaded position is the stored
// hundredths times 0.01, which can differ from the typed sum in its last bit (1.13 typed is
// 1.1299999999999999, loaded 1.1300000000000001).
TEST(SettingsEncoding, EveryEnteredPositionSurvivesRestarts) {
    int failures = 0;
    for (int sign = 0; sign < 2; ++sign) {
        for (int d = 0; d <= 180; ++d) {
            for (int m = 0; m <= 59; ++m) {
                for (int h = 0; h <= 99; ++h) {
                    double held = h * 0.01 + (m * 0.016666666666666666 + d) * 60.0;
                    if (sign == 1) {
                        held *= -1.0;
                    }
                    // As the store does it: the number without its sign, and the sign apart.
                    const std::uint32_t number = encodeHundredths(held);
                    double loaded = decodeHundredths(number);
                    if (held < 0.0) {
                        loaded *= -1.0;
                    }
                    const ShownFields typed{d, m, h, held < 0.0};
                    const bool same =
                        number == static_cast<std::uint32_t>(d * 6000 + m * 100 + h) &&
                        shownFields(loaded) == typed && encodeHundredths(loaded) == number;
                    if (!same && ++failures <= 5) {
                        ADD_FAILURE() << (sign ? "-" : "") << d << " deg " << m << "." << h
                                      << " min stored " << number;
                    }
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

// ---------------------------------------------------------------------------------------------
// Through the registry

DefaultData everyDefault() {
    DefaultData d;
    d.latitude = -3088.65;
    d.longitude = -0.5;
    d.basicWeight = 1450;
    d.basicArm = 855.0;
    d.fuelArm = 955.0;
    d.row1Arm = -125.0;
    d.row2Arm = 1000.0;
    d.row3Arm = 1200.0;
    d.bags1Arm = 1400.0;
    d.bags2Arm = 1500.0;
    d.auxArm = 10.0;
    d.tas = 120.5;
    d.fuelFlow = 9.5;
    d.hourlyCost = 8.25;
    return d;
}

TEST(SettingsStore, HomePositionSouthAndEastIsStoredWithItsHemispheres) {
    MemoryRegistry registry;
    MessageWindow window;
    DefaultData defaults = everyDefault();
    saveSettings(window, registry, PreferenceData{1, 0}, defaults);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(stored(registry, kDefaultsKey, "Lat"), 308865u);
    EXPECT_EQ(stored(registry, kDefaultsKey, "NS"), 1u);
    EXPECT_EQ(stored(registry, kDefaultsKey, "Lon"), 50u);
    EXPECT_EQ(stored(registry, kDefaultsKey, "EW"), 1u);
    EXPECT_EQ(stored(registry, kDefaultsKey, "BasicW"), 1450u);
    EXPECT_EQ(stored(registry, kDefaultsKey, "BasicA"), 855u);
    EXPECT_EQ(stored(registry, kDefaultsKey, "Row1"), bits(-125));
    EXPECT_EQ(stored(registry, kDefaultsKey, "Tas"), 1205u);
    EXPECT_EQ(stored(registry, kDefaultsKey, "Hrcost"), 82u);
    EXPECT_EQ(stored(registry, kPreferencesKey, "Temp"), 1u);
    EXPECT_EQ(registry.data().findValue(kPreferencesKey, "")->text, "Preference data");
    EXPECT_EQ(registry.data().findValue(kDefaultsKey, "")->text, "Default data");

    PreferenceData prefs;
    DefaultData back;
    loadSettings(window, registry, prefs, back);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(prefs.tempCelsius, 1);
    EXPECT_EQ(back.latitude, -3088.65);
    EXPECT_EQ(back.longitude, -0.5);
    EXPECT_EQ(back.basicWeight, 1450);
    EXPECT_EQ(back.basicArm, 855.0);
    EXPECT_EQ(back.row1Arm, -125.0);
    EXPECT_EQ(back.tas, 120.5);
    EXPECT_EQ(back.fuelFlow, 9.5);
    EXPECT_EQ(back.hourlyCost, 82 * 0.1);
    EXPECT_EQ(registry.openKeyCount(), 0);
}

TEST(SettingsStore, ZeroAndNegativeZeroCountAsNorthAndWest) {
    for (double zero : {0.0, -0.0}) {
        MemoryRegistry registry;
        MessageWindow window;
        DefaultData d;
        d.latitude = zero;
        d.longitude = zero;
        saveSettings(window, registry, PreferenceData{}, d);
        EXPECT_EQ(stored(registry, kDefaultsKey, "Lat"), 0u);
        EXPECT_EQ(stored(registry, kDefaultsKey, "NS"), 0u);
        EXPECT_EQ(stored(registry, kDefaultsKey, "EW"), 0u);
    }
}

TEST(SettingsStore, NegativeNumbersSurviveARestart) {
    MemoryRegistry registry;
    MessageWindow window;
    DefaultData d;
    d.basicWeight = -20;
    d.basicArm = -855.0;
    d.auxArm = -1.0;
    d.tas = -12.5;
    d.hourlyCost = -8.25;
    saveSettings(window, registry, PreferenceData{-1, 0}, d);
    PreferenceData prefs;
    DefaultData back;
    loadSettings(window, registry, prefs, back);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(prefs.tempCelsius, 1);  // a flag is 0 or 1: any other number loads as 1
    EXPECT_EQ(back.basicWeight, -20);
    EXPECT_EQ(back.basicArm, -855.0);
    EXPECT_EQ(back.auxArm, -1.0);
    EXPECT_EQ(back.tas, -125 * 0.1);
    EXPECT_EQ(back.hourlyCost, -82 * 0.1);
}

// ---------------------------------------------------------------------------------------------
// What the pilot is told

TEST(SettingsMessages, FirstRunSaysNothingAndClearsOnlyFlagsAndHome) {
    MemoryRegistry registry;
    MessageWindow window;
    PreferenceData prefs{1, 1};
    DefaultData d = everyDefault();
    loadSettings(window, registry, prefs, d);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(prefs.tempCelsius, 0);
    EXPECT_EQ(prefs.pressureMillibars, 0);
    EXPECT_EQ(d.latitude, 0.0);
    EXPECT_EQ(d.longitude, 0.0);
    EXPECT_EQ(d.tas, 120.5);  // the defaults key is not read
    EXPECT_EQ(d.basicWeight, 1450);
}

TEST(SettingsMessages, MissingDefaultsKeyReportsOpenEachValueAndClose) {
    MemoryRegistry registry;
    registry.data().setValue(kPreferencesKey, {"Temp", RegistryValue::Type::Dword, 1, {}});
    registry.data().setValue(kPreferencesKey, {"Press", RegistryValue::Type::Dword, 1, {}});
    MessageWindow window;
    PreferenceData prefs;
    DefaultData d;
    loadSettings(window, registry, prefs, d);
    std::vector<std::string> expected{kOpen};
    expected.insert(expected.end(), 14, kRead);
    expected.push_back(kClose);
    EXPECT_EQ(window.messages, expected);
    EXPECT_EQ(prefs.tempCelsius, 1);
    EXPECT_EQ(prefs.pressureMillibars, 1);
    EXPECT_EQ(registry.openKeyCount(), 0);
}

TEST(SettingsMessages, UnreadableHemisphereIsSilentAndLeavesTheSign) {
    MemoryRegistry registry;
    MessageWindow window;
    saveSettings(window, registry, PreferenceData{}, everyDefault());
    registry.failFromNow(RegistryOperation::Read, kDefaultsKey, "NS");
    registry.failFromNow(RegistryOperation::Read, kDefaultsKey, "EW");
    PreferenceData prefs;
    DefaultData d;
    loadSettings(window, registry, prefs, d);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(d.latitude, 3088.65);
    EXPECT_EQ(d.longitude, 0.5);
}

TEST(SettingsMessages, FailedCloseAtLoadIsReported) {
    MemoryRegistry registry;
    MessageWindow window;
    saveSettings(window, registry, PreferenceData{}, everyDefault());
    registry.failFromNow(RegistryOperation::Close);
    PreferenceData prefs;
    DefaultData d;
    loadSettings(window, registry, prefs, d);
    EXPECT_EQ(window.messages, (std::vector<std::string>{kClose, kClose}));
    EXPECT_EQ(d.tas, 120.5);
}

TEST(SettingsMessages, EveryFailedWriteIsReportedExceptTheHemispheres) {
    MemoryRegistry registry;
    registry.failFromNow(RegistryOperation::Write);
    MessageWindow window;
    saveSettings(window, registry, PreferenceData{}, everyDefault());
    // Preferences: the unnamed value, Temp, Press. Defaults: the unnamed value, Lat, Lon and the
    // twelve values after them; NS and EW say nothing.
    EXPECT_EQ(window.messages, std::vector<std::string>(3 + 1 + 2 + 12, kSet));
}

TEST(SettingsMessages, FailedHemisphereWritesAloneSayNothing) {
    MemoryRegistry registry;
    registry.failFromNow(RegistryOperation::Write, kDefaultsKey, "NS");
    registry.failFromNow(RegistryOperation::Write, kDefaultsKey, "EW");
    MessageWindow window;
    saveSettings(window, registry, PreferenceData{}, everyDefault());
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(registry.data().findValue(kDefaultsKey, "NS"), nullptr);
    EXPECT_EQ(stored(registry, kDefaultsKey, "Lon"), 50u);
}

TEST(SettingsMessages, KeyThatCannotBeCreatedReportsEachStepAndTheSaveGoesOn) {
    MemoryRegistry registry;
    registry.failFromNow(RegistryOperation::Create, kPreferencesKey);
    MessageWindow window;
    saveSettings(window, registry, PreferenceData{1, 1}, everyDefault());
    EXPECT_EQ(window.messages, (std::vector<std::string>{kCreate, kSet, kSet, kSet, kClose}));
    EXPECT_EQ(registry.data().findKey(kPreferencesKey), nullptr);
    EXPECT_EQ(stored(registry, kDefaultsKey, "Tas"), 1205u);
    EXPECT_EQ(registry.openKeyCount(), 0);
}

TEST(SettingsMessages, FailedCloseAtSaveIsReportedForEachKey) {
    MemoryRegistry registry;
    registry.failFromNow(RegistryOperation::Close);
    MessageWindow window;
    saveSettings(window, registry, PreferenceData{}, everyDefault());
    EXPECT_EQ(window.messages, (std::vector<std::string>{kClose, kClose}));
}

// The values that came after the first release, the variation model (regional unless a stored 1)
// and the display (Auto unless a stored 1 or 2): every way one can be absent or unreadable gives
// its default, and none adds a message to the store's own. A value that could not be read stays
// as it is stored when the pilot chose nothing.
TEST(SettingsLaterValues, StoredChoiceLoadsAndAnythingElseMeansTheDefaultSilently) {
    using Field = std::int32_t PreferenceData::*;
    constexpr auto kDword = RegistryValue::Type::Dword;
    constexpr auto kString = RegistryValue::Type::String;
    constexpr Field kVarModel = &PreferenceData::varModel;
    constexpr Field kDisplay = &PreferenceData::display;
    constexpr auto kAuto = static_cast<std::int32_t>(Appearance::Auto);
    constexpr auto kDay = static_cast<std::int32_t>(Appearance::Day);
    constexpr auto kNight = static_cast<std::int32_t>(Appearance::Night);
    const struct {
        const char* what;
        const char* name;
        Field field;
        bool present;
        RegistryValue::Type type;
        std::uint32_t number;
        bool failRead;
        std::int32_t loaded;
    } cases[] = {
        {"world", "VarModel", kVarModel, true, kDword, 1, false, kVarModelWorld},
        {"regional", "VarModel", kVarModel, true, kDword, 0, false, kVarModelRegional},
        {"a number that is neither", "VarModel", kVarModel, true, kDword, 7, false,
         kVarModelRegional},
        {"no model (a store from before)", "VarModel", kVarModel, false, kDword, 0, false,
         kVarModelRegional},
        {"a model as a string", "VarModel", kVarModel, true, kString, 0, false, kVarModelRegional},
        {"a model that fails to read", "VarModel", kVarModel, true, kDword, 1, true,
         kVarModelRegional},
        {"night", "Display", kDisplay, true, kDword, 2, false, kNight},
        {"day", "Display", kDisplay, true, kDword, 1, false, kDay},
        {"auto", "Display", kDisplay, true, kDword, 0, false, kAuto},
        {"a number that is no display", "Display", kDisplay, true, kDword, 9, false, kAuto},
        {"no display (a store from before)", "Display", kDisplay, false, kDword, 0, false, kAuto},
        {"a display as a string", "Display", kDisplay, true, kString, 0, false, kAuto},
        {"a display that fails to read", "Display", kDisplay, true, kDword, 2, true, kAuto},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRegistry registry;
        MessageWindow window;
        // A store as an earlier release wrote it: without the value.
        registry.failFromNow(RegistryOperation::Write, kPreferencesKey, c.name);
        saveSettings(window, registry, PreferenceData{}, everyDefault());
        ASSERT_EQ(registry.data().findValue(kPreferencesKey, c.name), nullptr);
        if (c.present) {
            registry.data().setValue(kPreferencesKey, {c.name, c.type, c.number, "stored"});
        }
        if (c.failRead) {
            registry.failFromNow(RegistryOperation::Read, kPreferencesKey, c.name);
        }
        // Neither value at its default before the load, so that the load is seen to set it.
        PreferenceData prefs{0, 0, kVarModelWorld, kDay};
        DefaultData d;
        const UnreadSettings unread = loadSettings(window, registry, prefs, d);
        EXPECT_TRUE(window.messages.empty());
        EXPECT_EQ(prefs.*c.field, c.loaded);
        if (c.failRead) {
            saveSettings(window, registry, prefs, d, &unread);
            EXPECT_EQ(registry.data().findValue(kPreferencesKey, c.name)->dword, c.number);
        }
    }
}

TEST(SettingsVarModel, SavedWithThePreferencesAndAFailedWriteSaysNothing) {
    MemoryRegistry registry;
    MessageWindow window;
    saveSettings(window, registry, PreferenceData{0, 0, kVarModelWorld}, everyDefault());
    EXPECT_EQ(stored(registry, kPreferencesKey, "VarModel"), 1u);
    registry.failFromNow(RegistryOperation::Write, kPreferencesKey, "VarModel");
    saveSettings(window, registry, PreferenceData{0, 0, kVarModelRegional}, everyDefault());
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(stored(registry, kPreferencesKey, "VarModel"), 1u);
}

}  // namespace
}  // namespace orvane
