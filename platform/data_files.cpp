#include "platform/data_files.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace orvane {

namespace {

bool plainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\\') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

bool regularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string userDataFolderFrom(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
        return std::string(xdgDataHome) + "/orvane";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.local/share/orvane";
    }
    return {};
}

std::string userDataFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        if (const passwd* account = ::getpwuid(::getuid())) {
            home = account->pw_dir;
        }
    }
    return userDataFolderFrom(std::getenv("XDG_DATA_HOME"), home);
}

std::optional<std::string> readSmallFile(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    // The whole file in one read into a string of its size: growing the string chunk by chunk
    // copied the splash picture (216 KB) several times over, each copy into fresh memory that
    // the kernel had to fault in page by page. The file may still change while it is read, so
    // the reading goes on until the end of the file, whatever its size was.
    struct stat info {};
    std::string text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
            return std::nullopt;
        }
        text.resize(static_cast<std::size_t>(info.st_size) + 1);
    } else {
        text.resize(4096);
    }
    std::size_t have = 0;
    for (;;) {
        if (have == text.size()) {
            if (have > maxBytes) {
                return std::nullopt;
            }
            text.resize(std::min(text.size() * 2, maxBytes + 1));
        }
        const ssize_t got = ::read(fd, text.data() + have, text.size() - have);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
    }
    if (have > maxBytes) {
        return std::nullopt;
    }
    text.resize(have);
    return text;
}

std::optional<std::string> readDataFile(const std::vector<std::string>& folders,
                                        std::string_view name, std::size_t maxBytes) {
    if (!plainName(name)) {
        return std::nullopt;
    }
    for (const std::string& folder : folders) {
        if (folder.empty()) {
            continue;
        }
        const std::string path = folder + "/" + std::string(name);
        if (regularFile(path)) {
            return readSmallFile(path, maxBytes);
        }
    }
    return std::nullopt;
}

}  // namespace orvane
