#include "shell/help.hpp"

namespace orvane {

std::string helpArgument(std::string_view file) {
    std::string argument = "file:\\windows\\";
    argument += file;
    return argument;
}

void launchHelp(Platform& platform, std::string_view file) {
    (void)platform.startProcess(kHelpViewer, helpArgument(file));
}

}  // namespace orvane
