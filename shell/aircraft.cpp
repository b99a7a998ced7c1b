#include "shell/aircraft.hpp"

#include <algorithm>

#include "platform/registry_data.hpp"
#include "shell/settings_store.hpp"

namespace orvane {

namespace {

// Characters of UTF-8 text (bytes that do not continue a character).
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool takenBy(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return sameRegistryName(n, name); });
}

// A name that goes from the store at the next save, unless a profile has it again by then.
void forgetStoredName(AircraftFleet& fleet, const std::string& name) {
    if (!takenBy(fleet.removedNames, name)) {
        fleet.removedNames.push_back(name);
    }
}

}  // namespace

std::string trimAircraftName(std::string_view name) {
    while (!name.empty() && name.front() == ' ') {
        name.remove_prefix(1);
    }
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    return std::string(name);
}

AircraftNameError checkAircraftName(const AircraftFleet& fleet, std::string_view name,
                                    std::optional<std::size_t> except) {
    if (name.empty()) {
        return AircraftNameError::Empty;
    }
    if (characterCount(name) > kMaxAircraftNameChars) {
        return AircraftNameError::TooLong;
    }
    if (std::any_of(name.begin(), name.end(), [](char c) {
            return c == '\\' || (static_cast<unsigned char>(c) < 0x20) || c == 0x7F;
        })) {
        return AircraftNameError::BadCharacter;
    }
    for (std::size_t i = 0; i < fleet.profiles.size(); ++i) {
        if (i != except && sameRegistryName(fleet.profiles[i].name, name)) {
            return AircraftNameError::Taken;
        }
    }
    if (takenBy(fleet.skippedNames, name)) {
        return AircraftNameError::Taken;
    }
    return AircraftNameError::None;
}

std::optional<std::size_t> findAircraft(const AircraftFleet& fleet, std::string_view name) {
    for (std::size_t i = 0; i < fleet.profiles.size(); ++i) {
        if (sameRegistryName(fleet.profiles[i].name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string> aircraftNames(const AircraftFleet& fleet) {
    std::vector<std::string> names;
    for (const AircraftProfile& p : fleet.profiles) {
        names.push_back(p.name);
    }
    std::stable_sort(names.begin(), names.end());
    return names;
}

AircraftFleet singleAircraft(std::string name, const DefaultData& defaults) {
    AircraftFleet fleet;
    AircraftProfile profile;
    profile.name = std::move(name);
    copyAircraftValues(defaults, profile.values);
    fleet.profiles.push_back(std::move(profile));
    return fleet;
}

void keepCurrentAircraft(AircraftFleet& fleet, const DefaultData& defaults) {
    if (fleet.current < fleet.profiles.size()) {
        copyAircraftValues(defaults, fleet.profiles[fleet.current].values);
    }
}

void chooseAircraft(AircraftFleet& fleet, DefaultData& defaults, std::size_t index) {
    if (index >= fleet.profiles.size() || index == fleet.current) {
        return;
    }
    keepCurrentAircraft(fleet, defaults);
    fleet.current = index;
    copyAircraftValues(fleet.profiles[index].values, defaults);
}

void addAircraft(AircraftFleet& fleet, const DefaultData& defaults, std::string name) {
    keepCurrentAircraft(fleet, defaults);
    AircraftProfile profile;
    if (fleet.current < fleet.profiles.size()) {
        profile = fleet.profiles[fleet.current];
    } else {
        copyAircraftValues(defaults, profile.values);
    }
    profile.name = std::move(name);
    fleet.profiles.push_back(std::move(profile));
    fleet.current = fleet.profiles.size() - 1;
}

void renameAircraft(AircraftFleet& fleet, std::string name) {
    if (fleet.current >= fleet.profiles.size()) {
        return;
    }
    AircraftProfile& profile = fleet.profiles[fleet.current];
    if (!sameRegistryName(profile.name, name)) {
        forgetStoredName(fleet, profile.name);
    }
    profile.name = std::move(name);
}

bool deleteAircraft(AircraftFleet& fleet, DefaultData& defaults) {
    if (fleet.profiles.size() < 2 || fleet.current >= fleet.profiles.size()) {
        return false;
    }
    forgetStoredName(fleet, fleet.profiles[fleet.current].name);
    fleet.profiles.erase(fleet.profiles.begin() + static_cast<std::ptrdiff_t>(fleet.current));
    fleet.current = *findAircraft(fleet, aircraftNames(fleet).front());
    copyAircraftValues(fleet.profiles[fleet.current].values, defaults);
    return true;
}

}  // namespace orvane
