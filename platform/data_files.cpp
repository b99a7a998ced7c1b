#include "platform/data_files.hpp"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
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
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        text.append(buffer, got);
        if (text.size() > maxBytes) {
            return std::nullopt;
        }
        if (got < sizeof buffer) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
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
