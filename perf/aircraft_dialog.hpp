// The Aircraft dialog (template 160): the pilot's aircraft profiles, the current one's limits and
// a picture of its loading envelope.
#pragma once

namespace orvane {

inline constexpr int kAircraftListId = 1201;      // sorted drop-down list of the names
inline constexpr int kAircraftNewId = 1202;       // a new profile from the current values
inline constexpr int kAircraftRenameId = 1203;    // the current profile takes the name field's text
inline constexpr int kAircraftDeleteId = 1204;    // deletes the current profile, after asking
inline constexpr int kAircraftNameId = 1205;      // the name field
inline constexpr int kMaxTakeOffWeightId = 1206;  // whole weight units; empty or 0: none
inline constexpr int kEnvelopeId = 1207;          // "weight,cg;weight,cg;..."
inline constexpr int kEnvelopePictureId = 1213;   // owner-drawn: the envelope and the loading

// The sheet's line under the totals saying whether the aircraft may fly (template 150).
inline constexpr int kLoadingStatusId = 1080;

inline constexpr const char* kAircraftHelp = "aircraft.htp";

}  // namespace orvane
