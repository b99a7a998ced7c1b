// What the Qt host's tests share. The application is made by the tests' main, off screen.
#pragma once

#include <memory>

#include "platform/qt/qt_scripted_host.hpp"

namespace orvane {

// A new driver host on the tests' application.
inline std::unique_ptr<ScriptedHost> newQtHost() {
    static int argc = 1;
    static char name[] = "orvane_qt_tests";
    static char* argv[] = {name, nullptr};
    return makeQtScriptedHost(argc, argv);
}

}  // namespace orvane
