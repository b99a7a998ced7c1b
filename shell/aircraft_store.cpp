#include "shell/aircraft_store.hpp"

#include <optional>
#include <string>

#include "calc/numbers.hpp"
#include "shell/aircraft.hpp"

namespace orvane {

namespace {

constexpr const char* kMaxTakeOffWeightValue = "Mtow";
constexpr const char* kEnvelopeValue = "Envelope";
// More stored profiles than this are not read (a file is not a fleet's worth of aircraft then).
constexpr std::size_t kMaxStoredProfiles = 1000;

std::string profilePath(const std::string& name) {
    return std::string(kAircraftKey) + "\\" + name;
}

// A key opened for reading; closed when done, a failure to close passed over.
class ReadKey {
  public:
    ReadKey(Registry& registry, const std::string& path) : registry_(registry) {
        open_ = registry_.open(path, key_);
    }
    ~ReadKey() {
        if (open_) {
            (void)registry_.close(key_);
        }
    }
    ReadKey(const ReadKey&) = delete;
    ReadKey& operator=(const ReadKey&) = delete;
    bool open() const { return open_; }
    Registry::Key key() const { return key_; }

  private:
    Registry& registry_;
    Registry::Key key_ = 0;
    bool open_ = false;
};

std::optional<std::string> readCurrentName(Registry& registry) {
    ReadKey prefs(registry, kPreferencesKey);
    std::string name;
    if (prefs.open() && registry.readString(prefs.key(), kCurrentAircraftValue, name)) {
        return name;
    }
    return std::nullopt;
}

std::vector<std::string> storedProfileNames(Registry& registry) {
    std::vector<std::string> names;
    std::string name;
    while (names.size() < kMaxStoredProfiles && registry.subkey(kAircraftKey, names.size(), name)) {
        names.push_back(name);
    }
    return names;
}

// The stored profile of that name, or nothing when it cannot be read whole.
std::optional<AircraftProfile> readProfile(Registry& registry, const std::string& name) {
    ReadKey key(registry, profilePath(name));
    if (!key.open()) {
        return std::nullopt;
    }
    AircraftProfile profile;
    profile.name = name;
    for (const AircraftValue& v : aircraftValues()) {
        std::uint32_t stored = 0;
        if (!registry.readDword(key.key(), v.name, stored)) {
            return std::nullopt;
        }
        decodeAircraftValue(v, stored, profile.values);
    }
    if (registry.hasValue(key.key(), kMaxTakeOffWeightValue)) {
        std::uint32_t stored = 0;
        if (!registry.readDword(key.key(), kMaxTakeOffWeightValue, stored)) {
            return std::nullopt;
        }
        profile.maxTakeOffWeight = static_cast<std::int32_t>(stored);
    }
    if (registry.hasValue(key.key(), kEnvelopeValue)) {
        std::string text;
        if (!registry.readString(key.key(), kEnvelopeValue, text)) {
            return std::nullopt;
        }
        EnvelopeReading envelope = readEnvelope(text);
        if (envelope.error != EnvelopeError::None) {
            return std::nullopt;
        }
        profile.envelope = std::move(envelope.points);
    }
    return profile;
}

// "My aircraft", or the first of "My aircraft 2", "My aircraft 3", ... that is free.
std::string freeFirstName(const AircraftFleet& fleet) {
    std::string name = kFirstAircraftName;
    for (int n = 2; checkAircraftName(fleet, name) != AircraftNameError::None; ++n) {
        name = std::string(kFirstAircraftName) + " " + formatInt(n);
    }
    return name;
}

// A key written and closed; every failure is passed over.
void writeProfile(Registry& registry, const AircraftProfile& profile) {
    Registry::Key key = 0;
    if (!registry.create(profilePath(profile.name), key)) {
        return;
    }
    for (const AircraftValue& v : aircraftValues()) {
        (void)registry.writeDword(key, v.name, encodeAircraftValue(v, profile.values));
    }
    (void)registry.writeDword(key, kMaxTakeOffWeightValue,
                              static_cast<std::uint32_t>(profile.maxTakeOffWeight));
    (void)registry.writeString(key, kEnvelopeValue, formatEnvelope(profile.envelope));
    (void)registry.close(key);
}

}  // namespace

AircraftFleet loadAircraft(Registry& registry, DefaultData& defaults,
                           const UnreadSettings& unread) {
    const std::optional<std::string> currentName = readCurrentName(registry);
    AircraftFleet fleet;
    for (const std::string& name : storedProfileNames(registry)) {
        std::optional<AircraftProfile> profile;
        if (checkAircraftName(fleet, name) == AircraftNameError::None) {
            profile = readProfile(registry, name);
        }
        if (profile) {
            fleet.profiles.push_back(std::move(*profile));
        } else {
            fleet.skippedNames.push_back(name);
        }
    }

    const std::optional<std::size_t> current =
        currentName ? findAircraft(fleet, *currentName) : std::nullopt;
    if (!current) {
        AircraftProfile profile;
        profile.name = freeFirstName(fleet);
        copyAircraftValues(defaults, profile.values);
        fleet.profiles.push_back(std::move(profile));
        fleet.current = fleet.profiles.size() - 1;
        return fleet;
    }
    fleet.current = *current;
    AircraftProfile& profile = fleet.profiles[*current];
    for (const AircraftValue& v : aircraftValues()) {
        if (!unread.contains(v.name)) {
            continue;
        }
        if (v.real == nullptr) {
            defaults.basicWeight = profile.values.basicWeight;
        } else {
            defaults.*v.real = profile.values.*v.real;
        }
    }
    copyAircraftValues(defaults, profile.values);
    return fleet;
}

void saveAircraft(Registry& registry, AircraftFleet& fleet, const DefaultData& defaults) {
    keepCurrentAircraft(fleet, defaults);
    for (const AircraftProfile& profile : fleet.profiles) {
        writeProfile(registry, profile);
    }
    for (const std::string& name : fleet.removedNames) {
        if (!findAircraft(fleet, name)) {
            (void)registry.deleteKey(profilePath(name));
        }
    }
    Registry::Key key = 0;
    if (fleet.current < fleet.profiles.size() && registry.create(kPreferencesKey, key)) {
        (void)registry.writeString(key, kCurrentAircraftValue, fleet.profiles[fleet.current].name);
        (void)registry.close(key);
    }
}

}  // namespace orvane
