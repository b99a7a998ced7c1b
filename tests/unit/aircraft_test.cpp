// Aircraft profiles: names, switching, adding, renaming and deleting, and the profiles in the
// settings store (migration, unreadable profiles, deletions, the file itself).
#include "shell/aircraft.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_registry.hpp"
#include "platform/memory_registry.hpp"
#include "shell/aircraft_store.hpp"
#include "shell/settings_store.hpp"

namespace orvane {
namespace {

DefaultData aircraftData(std::int32_t basicWeight, double tas) {
    DefaultData d;
    d.latitude = 3088.65;
    d.basicWeight = basicWeight;
    d.basicArm = 855.0;
    d.fuelArm = 950.0;
    d.row1Arm = 805.0;
    d.row2Arm = 1180.0;
    d.row3Arm = 1200.0;
    d.bags1Arm = 1420.0;
    d.bags2Arm = 1500.0;
    d.auxArm = 600.0;
    d.tas = tas;
    d.fuelFlow = 8.5;
    d.hourlyCost = 95.0;
    return d;
}

void expectSameAircraft(const DefaultData& a, const DefaultData& b) {
    EXPECT_EQ(a.basicWeight, b.basicWeight);
    for (const AircraftValue& v : aircraftValues()) {
        if (v.real != nullptr) {
            EXPECT_EQ(a.*v.real, b.*v.real) << v.name;
        }
    }
}

// ---- Names ----------------------------------------------------------------------------------

TEST(AircraftNames, WhatMayNameAProfile) {
    AircraftFleet fleet = singleAircraft("Club C172", DefaultData{});
    fleet.skippedNames.push_back("Broken");
    const struct {
        const char* name;
        AircraftNameError error;
    } cases[] = {
        {"", AircraftNameError::Empty},
        {"Rental PA28", AircraftNameError::None},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ12345", AircraftNameError::None},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ123456", AircraftNameError::TooLong},
        // 31 characters of two bytes each.
        {"\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
         "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
         "\u00e9\u00e9\u00e9",
         AircraftNameError::None},
        {"Club\\C172", AircraftNameError::BadCharacter},
        {"Club\tC172", AircraftNameError::BadCharacter},
        {"CLUB c172", AircraftNameError::Taken},
        {"broken", AircraftNameError::Taken},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkAircraftName(fleet, c.name), c.error) << c.name;
    }
    // A profile keeps its own name in another case.
    EXPECT_EQ(checkAircraftName(fleet, "club c172", 0), AircraftNameError::None);
    EXPECT_EQ(trimAircraftName("  Club C172 "), "Club C172");
}

// ---- Switching ------------------------------------------------------------------------------

TEST(AircraftFleetTest, SwitchingAndBackKeepsEveryValueOfBoth) {
    const DefaultData c172 = aircraftData(1500, 110.0);
    DefaultData defaults = c172;
    AircraftFleet fleet = singleAircraft("Club C172", defaults);
    fleet.profiles[0].maxTakeOffWeight = 2450;
    addAircraft(fleet, defaults, "Rental PA28");
    ASSERT_EQ(fleet.current, 1u);
    EXPECT_EQ(fleet.profiles[1].maxTakeOffWeight, 2450);  // a copy of the current one

    // The second aircraft's own values, as the calculators and the sheet would set them.
    const DefaultData pa28 = aircraftData(1600, 125.0);
    defaults = pa28;
    defaults.latitude = 100.0;  // the home position is not the aircraft's
    chooseAircraft(fleet, defaults, 0);
    expectSameAircraft(defaults, c172);
    EXPECT_EQ(defaults.latitude, 100.0);
    chooseAircraft(fleet, defaults, 1);
    expectSameAircraft(defaults, pa28);
    EXPECT_EQ(defaults.latitude, 100.0);
    expectSameAircraft(fleet.profiles[0].values, c172);
}

TEST(AircraftFleetTest, RenamingAndDeletingForgetTheStoredNameOnce) {
    DefaultData defaults = aircraftData(1500, 110.0);
    AircraftFleet fleet = singleAircraft("Zulu", defaults);
    EXPECT_FALSE(deleteAircraft(fleet, defaults));  // the last one stays
    addAircraft(fleet, aircraftData(900, 90.0), "Alpha");
    renameAircraft(fleet, "ALPHA");  // capitals only: the same stored profile
    EXPECT_TRUE(fleet.removedNames.empty());
    renameAircraft(fleet, "Bravo");
    renameAircraft(fleet, "Alpha");
    EXPECT_EQ(fleet.removedNames, std::vector<std::string>({"ALPHA", "Bravo"}));

    // Deleting the current one makes the first by name current, with its values.
    defaults = aircraftData(700, 70.0);
    fleet.current = 0;
    ASSERT_TRUE(deleteAircraft(fleet, defaults));
    ASSERT_EQ(fleet.profiles.size(), 1u);
    EXPECT_EQ(fleet.profiles[fleet.current].name, "Alpha");
    EXPECT_EQ(defaults.basicWeight, 900);  // Alpha began as the current constants when added
    EXPECT_EQ(fleet.removedNames.back(), "Zulu");
}

// ---- The store ------------------------------------------------------------------------------

const std::string kPrefs = kPreferencesKey;
const std::string kFleetKey = kAircraftKey;

TEST(AircraftStore, AFileFromBeforeProfilesBecomesMyAircraft) {
    MemoryRegistry registry;
    DefaultData defaults = aircraftData(1450, 120.5);
    const AircraftFleet fleet = loadAircraft(registry, defaults, UnreadSettings{});
    ASSERT_EQ(fleet.profiles.size(), 1u);
    EXPECT_EQ(fleet.profiles[0].name, "My aircraft");
    expectSameAircraft(fleet.profiles[0].values, defaults);
    EXPECT_EQ(fleet.profiles[0].maxTakeOffWeight, 0);
    EXPECT_TRUE(fleet.profiles[0].envelope.empty());
}

TEST(AircraftStore, ProfilesLimitsAndTheCurrentNameSurviveARestart) {
    MemoryRegistry registry;
    DefaultData defaults = aircraftData(1500, 110.0);
    AircraftFleet fleet = singleAircraft("Club C172", defaults);
    fleet.profiles[0].maxTakeOffWeight = 2450;
    fleet.profiles[0].envelope = {{1500, 80}, {2450, 86.5}, {2450, 93}};
    addAircraft(fleet, defaults, "Rental PA28");
    defaults = aircraftData(1600, 125.5);
    fleet.profiles[1].envelope.clear();
    saveAircraft(registry, fleet, defaults);

    DefaultData loaded = defaults;  // the defaults key holds the current aircraft
    const AircraftFleet back = loadAircraft(registry, loaded, UnreadSettings{});
    ASSERT_EQ(back.profiles.size(), 2u);
    ASSERT_EQ(back.profiles[back.current].name, "Rental PA28");
    const std::optional<std::size_t> c172 = findAircraft(back, "Club C172");
    ASSERT_TRUE(c172);
    const AircraftProfile& first = back.profiles[*c172];
    expectSameAircraft(first.values, aircraftData(1500, 110.0));
    EXPECT_EQ(first.maxTakeOffWeight, 2450);
    EXPECT_EQ(formatEnvelope(first.envelope), "1500,80;2450,86.5;2450,93");
    EXPECT_EQ(back.profiles[back.current].maxTakeOffWeight, 2450);
    EXPECT_TRUE(back.profiles[back.current].envelope.empty());
    expectSameAircraft(back.profiles[back.current].values, defaults);
}

TEST(AircraftStore, UnreadableProfilesAreSkippedAndKeptAsTheyAre) {
    MemoryRegistry registry;
    RegistryData& data = registry.data();
    DefaultData defaults = aircraftData(1500, 110.0);
    AircraftFleet good = singleAircraft("Good", defaults);
    saveAircraft(registry, good, defaults);
    RegistryValue mtow{"Mtow", RegistryValue::Type::String, 0, "heavy"};
    RegistryValue flat{"Envelope", RegistryValue::Type::String, 0, "1000,80;2000,90"};
    RegistryValue lone{"Tas", RegistryValue::Type::Dword, 777, ""};
    for (const char* name : {"Heavy", "Flat"}) {
        for (const RegistryValue& v : data.findKey(kFleetKey + "\\Good")->values) {
            data.setValue(kFleetKey + "\\" + name, v);
        }
    }
    data.setValue(kFleetKey + "\\Heavy", mtow);
    data.setValue(kFleetKey + "\\Flat", flat);
    data.setValue(kFleetKey + "\\Short", lone);
    data.setValue(kFleetKey + "\\Long name of more than thirty-one chars", lone);
    const std::string before = data.toText();

    AircraftFleet fleet = loadAircraft(registry, defaults, UnreadSettings{});
    EXPECT_EQ(aircraftNames(fleet), std::vector<std::string>({"Good"}));
    EXPECT_EQ(fleet.skippedNames.size(), 4u);
    saveAircraft(registry, fleet, defaults);
    EXPECT_EQ(data.toText(), before);
}

TEST(AircraftStore, ADefaultsValueThatCouldNotBeReadComesFromTheCurrentProfile) {
    MemoryRegistry registry;
    DefaultData defaults = aircraftData(1500, 110.0);
    AircraftFleet good = singleAircraft("Good", defaults);
    saveAircraft(registry, good, defaults);
    DefaultData damaged = aircraftData(1500, 0.0);
    UnreadSettings unread;
    unread.names = {"Tas"};
    const AircraftFleet fleet = loadAircraft(registry, damaged, unread);
    EXPECT_EQ(damaged.tas, 110.0);
    EXPECT_EQ(fleet.profiles[fleet.current].values.tas, 110.0);
}

TEST(AircraftStore, DeletedAndRenamedProfilesLeaveTheFile) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("orvane-aircraft-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(folder);
    const std::string path = (folder / "registry.reg").string();
    DefaultData defaults = aircraftData(1500, 110.0);
    {
        FileRegistry file(path);
        AircraftFleet fleet = singleAircraft("Alpha", defaults);
        addAircraft(fleet, defaults, "Bravo");
        addAircraft(fleet, defaults, "Charlie");
        saveAircraft(file, fleet, defaults);
    }
    {
        FileRegistry file(path);
        AircraftFleet fleet = loadAircraft(file, defaults, UnreadSettings{});
        ASSERT_EQ(fleet.profiles.size(), 3u);
        fleet.current = *findAircraft(fleet, "Alpha");
        ASSERT_TRUE(deleteAircraft(fleet, defaults));
        fleet.current = *findAircraft(fleet, "Charlie");
        renameAircraft(fleet, "Delta");
        saveAircraft(file, fleet, defaults);
    }
    FileRegistry file(path);
    const AircraftFleet fleet = loadAircraft(file, defaults, UnreadSettings{});
    EXPECT_EQ(aircraftNames(fleet), std::vector<std::string>({"Bravo", "Delta"}));
    EXPECT_EQ(fleet.profiles[fleet.current].name, "Delta");
    EXPECT_EQ(file.data().findKey(kFleetKey + "\\Alpha"), nullptr);
    EXPECT_EQ(file.data().findKey(kFleetKey + "\\Charlie"), nullptr);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvane
