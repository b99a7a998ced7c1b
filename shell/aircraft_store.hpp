// The pilot's aircraft profiles in the settings store, beside the preferences and defaults keys:
//
//   software\Kelbrin Software\kq7d            "Aircraft"  string: the current profile's name
//   software\Kelbrin Software\kq7d\aircraft\NAME   one key a profile, with the value names and
//       encodings of the defaults key ("BasicW" ... "Hrcost"), plus "Mtow" (dword, whole weight
//       units, 0 none) and "Envelope" (string "w,cg;w,cg;...", empty none)
//
// The defaults key keeps holding the current aircraft as it always did, so a program or a file
// that knows nothing of profiles goes on working, and a file written before profiles existed
// loads as one profile, "My aircraft", made from it.
//
// Profiles are loaded right after the settings and saved right after them. Neither says anything
// to the pilot: a missing or unreadable profile, name or value is passed over without a message
// (the settings' own messages stay exactly as they are). A profile that cannot be read whole (a
// value of the defaults key's set missing or not a number, a "Mtow" that is not a number, an
// "Envelope" that is not a string or not an envelope, a name that is not a profile's name) is
// skipped and kept in the file as it is; its name is not given to another profile.
#pragma once

#include "platform/platform.hpp"
#include "shell/run_state.hpp"
#include "shell/settings_store.hpp"

namespace orvane {

inline constexpr const char* kAircraftKey = "software\\Kelbrin Software\\kq7d\\aircraft";
inline constexpr const char* kCurrentAircraftValue = "Aircraft";  // under the preferences key

// Reads the profiles. The current one (by the stored name) takes its constants from defaults, as
// loaded by loadSettings; a defaults value that load could not read is taken from the profile
// instead (into defaults). When the stored name names no readable profile, a new profile holds
// defaults' aircraft data: "My aircraft", or "My aircraft 2", ... when that name is taken.
AircraftFleet loadAircraft(Registry& registry, DefaultData& defaults, const UnreadSettings& unread);

// Writes every profile (the current one with defaults' aircraft data), removes the stored
// profiles deleted or renamed in this run, and writes the current name.
void saveAircraft(Registry& registry, AircraftFleet& fleet, const DefaultData& defaults);

}  // namespace orvane
