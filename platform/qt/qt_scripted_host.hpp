// The Qt host for the script driver: the whole program on real Qt widgets (normally under
// QT_QPA_PLATFORM=offscreen, the default when no platform is named), played with real input
// events: mouse presses and releases on the controls, key presses into the fields, focus
// changes. Time passes only when the script says so (elapse, tick), so scripts run fast and
// give the same results as on the headless host.
#pragma once

#include <memory>

#include "platform/scripted_host.hpp"

class QWidget;

namespace orvane {

// A new host. The hosts share one application, made with the first one that is alive (argc and
// argv as main received them) and ended with the last; when the caller has made an application
// already, the hosts use it.
std::unique_ptr<ScriptedHost> makeQtScriptedHost(int& argc, char** argv);

// For measurements on real widgets (bench/latency.cpp): the widget of control id in the top
// window, and the top window's frame. Null when there is none, or when host is not a Qt host.
QWidget* qtControlWidget(ScriptedHost& host, int id);
QWidget* qtTopFrame(ScriptedHost& host);

}  // namespace orvane
