#include "platform/scripted_host.hpp"

#include "platform/data_files.hpp"

namespace orvane {

std::optional<std::string> ScriptedHost::readDataFile(std::string_view name, std::size_t maxBytes) {
    const auto found = dataFiles_.find(name);
    if (found == dataFiles_.end() || !found->second) {
        return std::nullopt;
    }
    return readSmallFile(*found->second, maxBytes);
}

}  // namespace orvane
