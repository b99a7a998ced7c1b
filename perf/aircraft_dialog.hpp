// The Aircraft dialog (template 160): the pilot's aircraft profiles, the current one's limits and
// a picture of its loading envelope.
#pragma once

namespace orvane {

inline constexpr const char* kAircraftHelp = "aircraft.htp";

}  // namespace orvane
