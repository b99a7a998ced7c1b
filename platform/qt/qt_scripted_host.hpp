// The Qt host for the script driver: the whole program on real Qt widgets (normally under
// QT_QPA_PLATFORM=offscreen, the default when no platform is named), played with real input
// events: mouse presses and releases on the controls, key presses into the fields, focus
// changes. Time passes only when the script says so (elapse, tick), so scripts run fast and
// give the same results as on the headless host.
#pragma once

#include <memory>

#include "platform/scripted_host.hpp"

namespace orvane {

// Makes the application on the first call (argc and argv as main received them; they must
// outlive the process's use of Qt) and a new host on every call.
std::unique_ptr<ScriptedHost> makeQtScriptedHost(int& argc, char** argv);

}  // namespace orvane
