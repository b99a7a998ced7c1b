// The pilot's aircraft: choosing, adding, renaming and deleting profiles, and the names they may
// have. The current aircraft's constants are DefaultData (every calculator reads them there);
// choosing another one first keeps DefaultData's aircraft fields in the current profile, then
// puts the chosen profile's into DefaultData. Nothing here touches the platform or the store.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/run_state.hpp"

namespace orvane {

inline constexpr std::size_t kMaxAircraftNameChars = 31;
// The profile made from the aircraft data of a settings file written before there were
// profiles (or of a first run).
inline constexpr const char* kFirstAircraftName = "My aircraft";

enum class AircraftNameError {
    None,
    Empty,         // nothing but spaces
    TooLong,       // more than kMaxAircraftNameChars characters
    BadCharacter,  // a backslash (it would split the stored key) or a control character
    Taken,         // another profile, or a stored profile that could not be read, has it
};

// Leading and trailing spaces are not part of a name.
std::string trimAircraftName(std::string_view name);
// Whether name (already trimmed) may name a profile. Names compare without regard to ASCII case,
// as the settings store's keys do; except is a profile that may keep its own name (a rename).
AircraftNameError checkAircraftName(const AircraftFleet& fleet, std::string_view name,
                                    std::optional<std::size_t> except = std::nullopt);
// The profile of that name, or nothing.
std::optional<std::size_t> findAircraft(const AircraftFleet& fleet, std::string_view name);
// Every profile's name, sorted by their bytes (as the drop-down list sorts them).
std::vector<std::string> aircraftNames(const AircraftFleet& fleet);

// A fleet of one profile named name, made from the aircraft data in defaults.
AircraftFleet singleAircraft(std::string name, const DefaultData& defaults);

// Keeps DefaultData's aircraft fields in the current profile.
void keepCurrentAircraft(AircraftFleet& fleet, const DefaultData& defaults);
// Makes profile index current: keeps the current one first, then loads the chosen one's fields
// into defaults. Choosing the current one changes nothing.
void chooseAircraft(AircraftFleet& fleet, DefaultData& defaults, std::size_t index);
// Adds a profile named name (checked by the caller) with the current aircraft's constants and
// limits, and makes it current.
void addAircraft(AircraftFleet& fleet, const DefaultData& defaults, std::string name);
// Renames the current profile (name checked by the caller); its stored profile goes at the save.
void renameAircraft(AircraftFleet& fleet, std::string name);
// Deletes the current profile when it is not the only one, and makes the first by name current
// (its fields loaded into defaults). Returns whether it deleted.
bool deleteAircraft(AircraftFleet& fleet, DefaultData& defaults);

}  // namespace orvane
