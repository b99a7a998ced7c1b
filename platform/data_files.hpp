// The program's data files that a pilot may replace (the magnetic model's coefficients): where
// they are looked for and how they are read. The user's own data folder comes first, so a newer
// file dropped there wins over the one installed with the program.
#pragma once

#include <cstddef>
#include <cstdint>
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

// A file open for reading, closed when this goes.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The size of a regular file; nothing for anything else (a device, a pipe, a file whose size
    // the kernel does not know ahead, such as those under /proc report 0).
    std::optional<std::uint64_t> regularSize() const;
    // Up to n bytes from where the last read ended; 0 at the end; -1 on an error.
    long read(void* to, std::size_t n) const;
    // Exactly n bytes at offset; false on an error or at the file's end (it may have been cut
    // short since its size was taken).
    bool readAt(void* to, std::size_t n, std::uint64_t offset) const;

  private:
    int fd_;
};

}  // namespace orvane
