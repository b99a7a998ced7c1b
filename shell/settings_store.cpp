#include "shell/settings_store.hpp"

#include <cmath>
#include <string_view>

#include "calc/numbers.hpp"
#include "platform/appearance.hpp"

namespace orvane {

namespace {

constexpr const char* kCouldNotRead = "Could not read Key";
constexpr const char* kCouldNotOpen = "Could not open Key";
constexpr const char* kCouldNotClose = "Could not close Key";
constexpr const char* kCouldNotCreate = "Could not create Key";
constexpr const char* kCouldNotSet = "Could not set value Key";
constexpr std::string_view kDamagedKept = "Settings were damaged; the old file is kept as ";

std::uint32_t signedBits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}

// A key of the store that may have failed to open or be created: its value operations then
// fail without touching the registry, and are reported like any other failure.
class OpenKey {
  public:
    OpenKey(Registry& registry, bool opened, Registry::Key key)
        : registry_(registry), opened_(opened), key_(key) {}
    bool read(std::string_view name, std::uint32_t& value) {
        return opened_ && registry_.readDword(key_, name, value);
    }
    bool writeDword(std::string_view name, std::uint32_t value) {
        return opened_ && registry_.writeDword(key_, name, value);
    }
    bool writeString(std::string_view name, std::string_view value) {
        return opened_ && registry_.writeString(key_, name, value);
    }
    bool has(std::string_view name) { return opened_ && registry_.hasValue(key_, name); }
    bool close() { return opened_ && registry_.close(key_); }

  private:
    Registry& registry_;
    bool opened_;
    Registry::Key key_;
};

// Reads one number; a failed read is reported unless silent, and leaves the field as it was.
bool readValue(Window& owner, OpenKey& key, const char* name, std::uint32_t& value,
               bool silent = false) {
    if (key.read(name, value)) {
        return true;
    }
    if (!silent) {
        owner.message(kCouldNotRead);
    }
    return false;
}

void writeValue(Window& owner, OpenKey& key, const char* name, std::uint32_t value,
                bool silent = false) {
    if (!key.writeDword(name, value) && !silent) {
        owner.message(kCouldNotSet);
    }
}

void loadPosition(Window& owner, OpenKey& key, const char* valueName, const char* signName,
                  double& field, UnreadSettings& unread) {
    std::uint32_t stored = 0;
    if (readValue(owner, key, valueName, stored)) {
        field = decodeHundredths(stored);
    } else {
        unread.names.emplace_back(valueName);
    }
    std::uint32_t sign = 0;
    if (readValue(owner, key, signName, sign, true)) {
        if (sign == 1) {
            field *= -1.0;
        }
    } else {
        unread.names.emplace_back(signName);
    }
}

// Whether a value is left as the store holds it: it could not be read at the start of the run,
// the pilot has not changed its field since, and the store still holds something under that
// name. Writing the field's value there would replace the pilot's data with a zero.
bool keepsStoredValue(OpenKey& key, const UnreadSettings* unread, const char* name, bool changed) {
    return unread != nullptr && !changed && unread->contains(name) && key.has(name);
}

void savePosition(Window& owner, OpenKey& key, const char* valueName, const char* signName,
                  double field, double loaded, const UnreadSettings* unread) {
    const bool changed = field != loaded;
    // The sign goes with its value: a kept position keeps its hemisphere too.
    const bool keepValue = keepsStoredValue(key, unread, valueName, changed);
    if (!keepValue) {
        writeValue(owner, key, valueName, encodeHundredths(field));
    }
    if (!keepsStoredValue(key, unread, signName, changed) && !(keepValue && key.has(signName))) {
        writeValue(owner, key, signName, field < 0.0 ? 1u : 0u, true);
    }
}

bool sameField(const AircraftValue& v, const DefaultData& a, const DefaultData& b) {
    return v.real == nullptr ? a.basicWeight == b.basicWeight : a.*v.real == b.*v.real;
}

// The values of the defaults key after the position, in the order they are read and written.
constexpr AircraftValue kAircraftValues[] = {
    {"BasicW", StoredEncoding::Whole, nullptr},
    {"BasicA", StoredEncoding::Truncated, &DefaultData::basicArm},
    {"Fuel", StoredEncoding::Truncated, &DefaultData::fuelArm},
    {"Row1", StoredEncoding::Truncated, &DefaultData::row1Arm},
    {"Row2", StoredEncoding::Truncated, &DefaultData::row2Arm},
    {"Row3", StoredEncoding::Truncated, &DefaultData::row3Arm},
    {"Bags1", StoredEncoding::Truncated, &DefaultData::bags1Arm},
    {"Bags2", StoredEncoding::Truncated, &DefaultData::bags2Arm},
    {"Aux", StoredEncoding::Truncated, &DefaultData::auxArm},
    {"Tas", StoredEncoding::Tenths, &DefaultData::tas},
    {"Cons", StoredEncoding::Tenths, &DefaultData::fuelFlow},
    {"Hrcost", StoredEncoding::Tenths, &DefaultData::hourlyCost},
};

}  // namespace

std::span<const AircraftValue> aircraftValues() {
    return kAircraftValues;
}

std::uint32_t encodeAircraftValue(const AircraftValue& v, const DefaultData& defaults) {
    switch (v.encoding) {
        case StoredEncoding::Whole:
            return signedBits(defaults.basicWeight);
        case StoredEncoding::Truncated:
            return encodeTruncated(defaults.*v.real);
        case StoredEncoding::Tenths:
            return encodeTenths(defaults.*v.real);
    }
    return 0;
}

void decodeAircraftValue(const AircraftValue& v, std::uint32_t stored, DefaultData& defaults) {
    switch (v.encoding) {
        case StoredEncoding::Whole:
            defaults.basicWeight = static_cast<std::int32_t>(stored);
            break;
        case StoredEncoding::Truncated:
            defaults.*v.real = decodeTruncated(stored);
            break;
        case StoredEncoding::Tenths:
            defaults.*v.real = decodeTenths(stored);
            break;
    }
}

void copyAircraftValues(const DefaultData& from, DefaultData& to) {
    for (const AircraftValue& v : kAircraftValues) {
        if (v.real == nullptr) {
            to.basicWeight = from.basicWeight;
        } else {
            to.*v.real = from.*v.real;
        }
    }
}

std::uint32_t encodeHundredths(double minutesOfArc) {
    const double hundredths = std::round(std::fabs(minutesOfArc) * 100.0);
    if (!std::isfinite(hundredths) || hundredths > 4294967295.0) {
        return 0;
    }
    return static_cast<std::uint32_t>(hundredths);
}

double decodeHundredths(std::uint32_t stored) {
    return stored * 0.01;
}

std::uint32_t encodeTruncated(double value) {
    return signedBits(truncToInt32(value).value_or(0));
}

double decodeTruncated(std::uint32_t stored) {
    return static_cast<std::int32_t>(stored);
}

std::uint32_t encodeTenths(double value) {
    return encodeTruncated(value * 10.0);
}

double decodeTenths(std::uint32_t stored) {
    return static_cast<std::int32_t>(stored) * 0.1;
}

bool UnreadSettings::contains(std::string_view name) const {
    for (const std::string& n : names) {
        if (n == name) {
            return true;
        }
    }
    return false;
}

UnreadSettings loadSettings(Window& owner, Registry& registry, PreferenceData& preferences,
                            DefaultData& defaults) {
    UnreadSettings unread;
    // A damaged store loads as on a first run; the pilot is told, once, where the old one is.
    if (const std::string kept = registry.takeKeptDamagedName(); !kept.empty()) {
        owner.message(std::string(kDamagedKept) + kept);
    }
    Registry::Key key = 0;
    if (!registry.open(kPreferencesKey, key)) {
        // The first run: nothing stored yet, and nothing to say.
        preferences.tempCelsius = 0;
        preferences.pressureMillibars = 0;
        preferences.varModel = kVarModelRegional;
        preferences.display = static_cast<std::int32_t>(Appearance::Auto);
        defaults.latitude = 0.0;
        defaults.longitude = 0.0;
        for (const char* name :
             {"Temp", "Press", "VarModel", "Display", "Lat", "NS", "Lon", "EW"}) {
            unread.names.emplace_back(name);
        }
        for (const AircraftValue& v : kAircraftValues) {
            unread.names.emplace_back(v.name);
        }
        unread.preferences = preferences;
        unread.defaults = defaults;
        return unread;
    }
    OpenKey prefs(registry, true, key);
    std::uint32_t value = 0;
    // A unit flag is a choice of two: any stored number but 0 means Celsius or millibars, and it
    // loads as 1, so that the Preferences radios, the calculators' labels and their arithmetic
    // all agree, and the next save writes 1.
    if (readValue(owner, prefs, "Temp", value)) {
        preferences.tempCelsius = value != 0 ? 1 : 0;
    } else {
        unread.names.emplace_back("Temp");
    }
    if (readValue(owner, prefs, "Press", value)) {
        preferences.pressureMillibars = value != 0 ? 1 : 0;
    } else {
        unread.names.emplace_back("Press");
    }
    // The variation model came after the first release: a store without it, or with a value
    // that cannot be read, means the regional model, and is nothing to tell the pilot about.
    preferences.varModel = kVarModelRegional;
    if (readValue(owner, prefs, "VarModel", value, true)) {
        preferences.varModel = value == 1 ? kVarModelWorld : kVarModelRegional;
    } else {
        unread.names.emplace_back("VarModel");
    }
    // So did the appearance: missing or unreadable is Auto, again without a word.
    preferences.display = static_cast<std::int32_t>(Appearance::Auto);
    if (readValue(owner, prefs, "Display", value, true)) {
        preferences.display = static_cast<std::int32_t>(appearanceFromStore(value));
    } else {
        unread.names.emplace_back("Display");
    }
    if (!prefs.close()) {
        owner.message(kCouldNotClose);
    }

    Registry::Key defKey = 0;
    const bool opened = registry.open(kDefaultsKey, defKey);
    if (!opened) {
        owner.message(kCouldNotOpen);
    }
    OpenKey defs(registry, opened, defKey);
    loadPosition(owner, defs, "Lat", "NS", defaults.latitude, unread);
    loadPosition(owner, defs, "Lon", "EW", defaults.longitude, unread);
    for (const AircraftValue& v : kAircraftValues) {
        if (!readValue(owner, defs, v.name, value)) {
            unread.names.emplace_back(v.name);
            continue;
        }
        decodeAircraftValue(v, value, defaults);
    }
    if (!defs.close()) {
        owner.message(kCouldNotClose);
    }
    unread.preferences = preferences;
    unread.defaults = defaults;
    return unread;
}

void saveSettings(Window& owner, Registry& registry, const PreferenceData& preferences,
                  const DefaultData& defaults, const UnreadSettings* unread) {
    const PreferenceData loadedPreferences = unread ? unread->preferences : preferences;
    const DefaultData loadedDefaults = unread ? unread->defaults : defaults;

    Registry::Key key = 0;
    bool created = registry.create(kPreferencesKey, key);
    if (!created) {
        owner.message(kCouldNotCreate);
    }
    OpenKey prefs(registry, created, key);
    if (!prefs.writeString("", "Preference data")) {
        owner.message(kCouldNotSet);
    }
    if (!keepsStoredValue(prefs, unread, "Temp",
                          preferences.tempCelsius != loadedPreferences.tempCelsius)) {
        writeValue(owner, prefs, "Temp", signedBits(preferences.tempCelsius));
    }
    if (!keepsStoredValue(prefs, unread, "Press",
                          preferences.pressureMillibars != loadedPreferences.pressureMillibars)) {
        writeValue(owner, prefs, "Press", signedBits(preferences.pressureMillibars));
    }
    // A failed write is not reported: the messages of the store are those of the first release.
    if (!keepsStoredValue(prefs, unread, "VarModel",
                          preferences.varModel != loadedPreferences.varModel)) {
        writeValue(owner, prefs, "VarModel", signedBits(preferences.varModel), true);
    }
    if (!keepsStoredValue(prefs, unread, "Display",
                          preferences.display != loadedPreferences.display)) {
        writeValue(owner, prefs, "Display", signedBits(preferences.display), true);
    }
    if (!prefs.close()) {
        owner.message(kCouldNotClose);
    }

    Registry::Key defKey = 0;
    created = registry.create(kDefaultsKey, defKey);
    if (!created) {
        owner.message(kCouldNotCreate);
    }
    OpenKey defs(registry, created, defKey);
    if (!defs.writeString("", "Default data")) {
        owner.message(kCouldNotSet);
    }
    savePosition(owner, defs, "Lat", "NS", defaults.latitude, loadedDefaults.latitude, unread);
    savePosition(owner, defs, "Lon", "EW", defaults.longitude, loadedDefaults.longitude, unread);
    for (const AircraftValue& v : kAircraftValues) {
        if (keepsStoredValue(defs, unread, v.name, !sameField(v, defaults, loadedDefaults))) {
            continue;
        }
        writeValue(owner, defs, v.name, encodeAircraftValue(v, defaults));
    }
    if (!defs.close()) {
        owner.message(kCouldNotClose);
    }
}

}  // namespace orvane
