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

ReadOnlyFile::ReadOnlyFile(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<std::uint64_t> ReadOnlyFile::regularSize() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

long ReadOnlyFile::read(void* to, std::size_t n) const {
    for (;;) {
        const ssize_t got = ::read(fd_, to, n);
        if (got >= 0 || errno != EINTR) {
            return static_cast<long>(got);
        }
    }
}

bool ReadOnlyFile::readAt(void* to, std::size_t n, std::uint64_t offset) const {
    auto* p = static_cast<char*>(to);
    while (n > 0) {
        const ssize_t got = ::pread(fd_, p, n, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        p += got;
        n -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

std::optional<std::string> readSmallFile(const std::string& path, std::size_t maxBytes) {
    const ReadOnlyFile file(path);
    if (!file.isOpen()) {
        return std::nullopt;
    }
    // The whole file in one read into a string of its size: growing the string chunk by chunk
    // copied the splash picture (216 KB) several times over, each copy into fresh memory that
    // the kernel had to fault in page by page. The file may still change while it is read, so
    // the reading goes on until the end of the file, whatever its size was.
    std::string text;
    if (const std::optional<std::uint64_t> size = file.regularSize()) {
        if (*size > maxBytes) {
            return std::nullopt;
        }
        text.resize(static_cast<std::size_t>(*size) + 1);
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
        const long got = file.read(text.data() + have, text.size() - have);
        if (got < 0) {
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
