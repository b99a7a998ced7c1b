// Starting the help viewer on one of the program's help files.
#pragma once

#include <string>
#include <string_view>

#include "platform/help_viewer.hpp"
#include "platform/platform.hpp"

namespace orvane {

inline constexpr const char* kMainHelpFile = "orvane.htc";

// The viewer's argument for a help file: "file:\windows\" and the file name.
std::string helpArgument(std::string_view file);

// Starts the help viewer with the file, without waiting. A viewer that cannot be started is not
// reported: the pilot simply sees no help.
void launchHelp(Platform& platform, std::string_view file);

}  // namespace orvane
