// What the Qt host's tests share: the application, made once, off screen.
#pragma once

#include <memory>

#include "platform/qt/qt_scripted_host.hpp"

namespace orvane {

// A new driver host; the first call also makes the application, which lasts to the end.
inline std::unique_ptr<ScriptedHost> newQtHost() {
    static int argc = 1;
    static char name[] = "orvane_qt_tests";
    static char* argv[] = {name, nullptr};
    return makeQtScriptedHost(argc, argv);
}

inline void needApplication() {
    static const bool made = (newQtHost(), true);
    (void)made;
}

}  // namespace orvane
