// The program's data files that a pilot may replace (the magnetic model's coefficients): where
// they are looked for and how they are read. The user's own data folder comes first, so a newer
// file dropped there wins over the one installed with the program.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The user's data folder: $XDG_DATA_HOME/orvane when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/orvane (the home folder of the user's account when HOME is unset).
std::string userDataFolder();
// The same choice from given values of the two variables (null or empty: unset); empty when
// there is no home folder either.
std::string userDataFolderFrom(const char* xdgDataHome, const char* home);

// The file name in the first of folders that holds a regular file of that name, read whole.
// Nothing when no folder holds one, when that file cannot be read, or when it is longer than
// maxBytes (a later folder is not tried then: the pilot's own file is the one that counts). A
// name with a folder in it, or "." or "..", is never looked for.
std::optional<std::string> readDataFile(const std::vector<std::string>& folders,
                                        std::string_view name, std::size_t maxBytes);

// A file read whole, or nothing when it cannot be opened or read or is longer than maxBytes.
std::optional<std::string> readSmallFile(const std::string& path, std::size_t maxBytes);

}  // namespace orvane
