// The settings store: the unit preferences, the home position and the aircraft data kept in the
// registry between runs, under two keys of HKEY_LOCAL_MACHINE. Loaded once while the main window
// is created, saved once while it is destroyed; every failure is reported with a message box
// owned by the main window and the operation carries on.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.hpp"
#include "shell/run_state.hpp"

namespace orvane {

inline constexpr const char* kPreferencesKey = "software\\Kelbrin Software\\kq7d";
inline constexpr const char* kDefaultsKey = "software\\Kelbrin Software\\kq7d\\def";

// What a load could not read, and the records as the load left them. A value that could not be
// read, and whose field the pilot has not changed since, is not written back by the save when
// the store still holds it: one failed read (a damaged value, a key that would not open) must
// not replace the pilot's aircraft data with zeros on disk. A value the store does not hold at
// all is written as usual, so a first run still creates every value.
struct UnreadSettings {
    std::vector<std::string> names;
    PreferenceData preferences;
    DefaultData defaults;
    bool contains(std::string_view name) const;
};

UnreadSettings loadSettings(Window& owner, Registry& registry, PreferenceData& preferences,
                            DefaultData& defaults);
// unread: what the load of this run could not read (null: write every value).
void saveSettings(Window& owner, Registry& registry, const PreferenceData& preferences,
                  const DefaultData& defaults, const UnreadSettings* unread = nullptr);

// The aircraft's values of the defaults key ("BasicW" to "Hrcost"), in the order they are read and
// written, with the field each one holds (null: the whole basicWeight) and its encoding. A stored
// aircraft profile uses the same names and encodings.
enum class StoredEncoding { Whole, Truncated, Tenths };
struct AircraftValue {
    const char* name;
    StoredEncoding encoding;
    double DefaultData::*real;
};
std::span<const AircraftValue> aircraftValues();
std::uint32_t encodeAircraftValue(const AircraftValue& v, const DefaultData& defaults);
void decodeAircraftValue(const AircraftValue& v, std::uint32_t stored, DefaultData& defaults);
// Copies the aircraft's fields (basicWeight to hourlyCost), not the home position.
void copyAircraftValues(const DefaultData& from, DefaultData& to);

// The stored numbers. A home position is kept in hundredths of a minute of arc, without its
// sign ("NS" and "EW" carry it); the arms as whole tenths; speed, flow and cost as whole tenths.
//
// The position is rounded to the nearest hundredth, not truncated: truncating 0 deg 0.29 min
// (0.29 * 100.0 = 28.999999999999996) would bring the position back 0.01 min off after every
// restart. The other numbers are truncated toward zero and stored as the 32 bits of a signed
// number, so a negative arm (a datum behind a station) survives a restart; every value a pilot
// could store before keeps its encoding. A value that is not finite, or does not fit, stores 0.
std::uint32_t encodeHundredths(double minutesOfArc);
double decodeHundredths(std::uint32_t stored);
std::uint32_t encodeTruncated(double value);  // arms (already in tenths)
double decodeTruncated(std::uint32_t stored);
std::uint32_t encodeTenths(double value);  // tas, fuelFlow, hourlyCost
double decodeTenths(std::uint32_t stored);

}  // namespace orvane
