#include "platform/file_registry.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <unordered_map>
#include <utility>

#include "calc/numbers.hpp"

namespace orvane {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRootPrefix = "HKEY_LOCAL_MACHINE\\";
constexpr std::string_view kDwordPrefix = "dword:";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i])) {
        ++i;
    }
    return s.substr(i);
}

std::string_view trimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && isBlank(s[n - 1])) {
        --n;
    }
    return s.substr(0, n);
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Key paths and value names compare without regard to case (as sameRegistryName does): this is
// the form they are indexed by.
std::string folded(std::string_view s) {
    return foldedRegistryName(s);
}

bool startsWithFolded(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lowerAscii(s[i]) != lowerAscii(prefix[i])) {
            return false;
        }
    }
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A line of a value that goes on on the next line: one ending in a backslash.
bool goesOn(std::string_view line) {
    const std::string_view t = trimRight(line);
    return !t.empty() && t.back() == '\\';
}

// Whether a value written from its content goes on past its last line. Only a value of another
// type can, and never one as read: the reader ends a value cut off at the end of the file with an
// empty line.
bool goesOn(const RegistryValue& value) {
    if (value.type != RegistryValue::Type::Other) {
        return false;
    }
    const std::size_t lastLine = value.text.rfind('\n');
    return goesOn(
        std::string_view(value.text).substr(lastLine == std::string::npos ? 0 : lastLine + 1));
}

// One physical line: its text without the line end, and the line end ("\n", "\r\n", or nothing
// for a last line without one). Both are views into the file's text, one after the other.
//
// A carriage return at the very end of the file is the last line's end ("\r": the file was cut
// off between CR and LF). A save that writes more after it completes it to CRLF, and the line
// reads the same before and after.
struct Line {
    std::string_view text;
    std::string_view end;
    std::string raw() const { return std::string(text.data(), text.size() + end.size()); }
};

// The lines of a text, one after the other.
class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {}
    // The next line; false past the last.
    bool next(Line& line) {
        if (pos_ >= text_.size()) {
            return false;
        }
        const std::size_t newline = text_.find('\n', pos_);
        if (newline == std::string_view::npos) {
            const std::size_t stop = text_.back() == '\r' ? text_.size() - 1 : text_.size();
            line = Line{text_.substr(pos_, stop - pos_), text_.substr(stop)};
            pos_ = text_.size();
            return true;
        }
        std::size_t stop = newline;
        if (stop > pos_ && text_[stop - 1] == '\r') {
            --stop;
        }
        line = Line{text_.substr(pos_, stop - pos_), text_.substr(stop, newline + 1 - stop)};
        pos_ = newline + 1;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// A quoted string starting at s[pos] == '"': \\ stands for a backslash and \" for a quote; any
// other backslash stands for itself. On success pos is just past the closing quote.
bool readQuoted(std::string_view s, std::size_t& pos, std::string& out) {
    ++pos;
    while (pos < s.size()) {
        const char c = s[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && pos + 1 < s.size() && (s[pos + 1] == '\\' || s[pos + 1] == '"')) {
            out += s[pos + 1];
            pos += 2;
            continue;
        }
        out += c;
        ++pos;
    }
    return false;
}

// "dword:" and one to eight hex digits, nothing else but blanks.
bool readDword(std::string_view data, std::uint32_t& value) {
    data = trimRight(trimLeft(data));
    if (!startsWithFolded(data, kDwordPrefix)) {
        return false;
    }
    const std::string_view digits = data.substr(kDwordPrefix.size());
    if (digits.empty() || digits.size() > 8) {
        return false;
    }
    std::uint32_t v = 0;
    for (char c : digits) {
        const int d = hexDigit(c);
        if (d < 0) {
            return false;
        }
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    value = v;
    return true;
}

// The data after a value's '=': a number, a string, or anything else kept as its text. Returns
// whether the value goes on on the next line (a kept value ending in a backslash, as long
// hexadecimal values are written).
bool readValueData(std::string_view data, RegistryValue& value) {
    if (readDword(data, value.dword)) {
        value.type = RegistryValue::Type::Dword;
        return false;
    }
    const std::string_view d = trimLeft(data);
    if (!d.empty() && d[0] == '"') {
        std::size_t pos = 0;
        std::string text;
        if (readQuoted(d, pos, text) && trimRight(d.substr(pos)).empty()) {
            value.type = RegistryValue::Type::String;
            value.text = std::move(text);
            return false;
        }
    }
    value.type = RegistryValue::Type::Other;
    value.text = std::string(data);
    return goesOn(data);
}

bool sameContent(const RegistryValue& a, const RegistryValue& b) {
    if (a.type != b.type) {
        return false;
    }
    return a.type == RegistryValue::Type::Dword ? a.dword == b.dword : a.text == b.text;
}

std::string_view lineEndOf(std::string_view raw) {
    if (raw.size() >= 2 && raw.substr(raw.size() - 2) == "\r\n")
        return raw.substr(raw.size() - 2);
    if (!raw.empty() && (raw.back() == '\n' || raw.back() == '\r'))
        return raw.substr(raw.size() - 1);
    return {};
}

// Finds a key's value by its name, as names compare (without regard to case): a walk through the
// few values a key has, a table of their names once it has many, so that a key of many values
// stays linear.
class ValueNames {
  public:
    static constexpr std::size_t npos = std::string::npos;
    // The place among values (those of the key at place key in the store) of the value of that
    // name, or npos.
    std::size_t find(const std::vector<RegistryValue>& values, std::string_view name,
                     std::size_t key) {
        constexpr std::size_t kWalked = 16;
        if (values.size() <= kWalked) {
            for (std::size_t i = 0; i < values.size(); ++i) {
                if (sameRegistryName(values[i].name, name)) {
                    return i;
                }
            }
            return npos;
        }
        auto& table = tables_[key];
        if (table.empty()) {
            for (std::size_t i = 0; i < values.size(); ++i) {
                table.emplace(folded(values[i].name), i);
            }
        }
        const auto it = table.find(folded(name));
        return it == table.end() ? npos : it->second;
    }
    // The last of values was just added.
    void added(const std::vector<RegistryValue>& values, std::size_t key) {
        if (const auto it = tables_.find(key); it != tables_.end() && !it->second.empty()) {
            it->second.emplace(folded(values.back().name), values.size() - 1);
        }
    }

  private:
    std::unordered_map<std::size_t, std::unordered_map<std::string, std::size_t>> tables_;
};

using Item = RegistryDocument::Item;

}  // namespace

bool parseRegistryFile(std::string_view text, RegistryData& data, RegistryDocument& document) {
    data = RegistryData{};
    document = RegistryDocument{};
    auto damaged = [&] {
        data = RegistryData{};
        document = RegistryDocument{};
        return false;
    };
    if (text.size() > kMaxRegistryFileBytes) {
        return damaged();
    }
    Lines lines(text);
    Line header;
    if (!lines.next(header)) {
        return damaged();
    }
    std::string_view first = header.text;
    if (first.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        first.remove_prefix(kByteOrderMark.size());
    }
    if (trimRight(first) != kHeader) {
        return damaged();
    }
    // New lines end as the header does; a header cut off after its CR ends in CRLF.
    document.lineEnd = header.end.empty()   ? std::string("\n")
                       : header.end == "\r" ? std::string("\r\n")
                                            : std::string(header.end);
    document.items.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                           1);
    document.items.push_back(Item{Item::Kind::Text, header.raw(), {}, {}});

    // The keys go straight into data, which finds them by path; a key of many values gets a
    // table of their names, so that reading stays linear.
    ValueNames names;
    std::size_t valueCount = 0;
    std::vector<std::string> foreign;

    enum class Section { None, Ours, Foreign };
    Section section = Section::None;
    std::size_t current = 0;  // the place in data of the key of the section being read
    std::string currentPath;  // its path as this section's header spells it

    Line line;
    while (lines.next(line)) {
        const std::string_view t = trimLeft(line.text);
        if (t.empty() || t[0] == ';') {
            if (section == Section::Foreign) {
                foreign.back() += '\n';
                foreign.back() += line.text;
            }
            document.items.push_back(Item{Item::Kind::Text, line.raw(), {}, {}});
            continue;
        }
        if (t[0] == '[') {
            const std::size_t close = t.rfind(']');
            if (close == std::string_view::npos || !trimRight(t.substr(close + 1)).empty()) {
                return damaged();
            }
            const std::string_view name = t.substr(1, close - 1);
            if (startsWithFolded(name, kRootPrefix) && name.size() > kRootPrefix.size()) {
                currentPath = std::string(name.substr(kRootPrefix.size()));
                const std::size_t keysBefore = data.keys().size();
                const RegistryKey& key = data.ensureKey(currentPath);
                if (data.keys().size() != keysBefore && keysBefore >= kMaxRegistryKeys) {
                    return damaged();
                }
                current = static_cast<std::size_t>(&key - data.keys().data());
                section = Section::Ours;
                document.items.push_back(Item{Item::Kind::Key, line.raw(), currentPath, {}});
            } else {
                // Another hive, the hive itself, or a key to delete: kept as it is.
                section = Section::Foreign;
                foreign.emplace_back(line.text);
                document.items.push_back(Item{Item::Kind::Text, line.raw(), {}, {}});
            }
            continue;
        }
        if (section == Section::None) {
            return damaged();
        }
        if (section == Section::Foreign) {
            foreign.back() += '\n';
            foreign.back() += line.text;
            document.items.push_back(Item{Item::Kind::Text, line.raw(), {}, {}});
            continue;
        }

        // A value of one of our keys: @ or a quoted name, '=', then its data.
        RegistryValue value;
        std::size_t pos = 0;
        if (t[0] == '@') {
            pos = 1;
        } else if (t[0] != '"' || !readQuoted(t, pos, value.name)) {
            return damaged();
        }
        while (pos < t.size() && isBlank(t[pos])) {
            ++pos;
        }
        if (pos >= t.size() || t[pos] != '=') {
            return damaged();
        }
        bool continues = readValueData(t.substr(pos + 1), value);
        std::string raw = line.raw();
        Line more;
        while (continues && lines.next(more)) {
            raw += more.raw();
            value.text += '\n';
            value.text += more.text;
            continues = goesOn(more.text);
        }
        // A value that goes on past the end of the file reads as if an empty line ended it: that
        // is the line a save writes after it before anything else, so the value reads the same
        // after the save, and nothing written after it becomes part of it.
        const bool cutOff = continues;
        if (cutOff) {
            value.text += '\n';
        }

        std::vector<RegistryValue>& values = data.ensureKey(currentPath).values;
        const std::size_t same = names.find(values, value.name, current);
        if (same == ValueNames::npos) {
            if (++valueCount > kMaxRegistryValues) {
                return damaged();
            }
            values.push_back(value);
            names.added(values, current);
        } else {
            // The last of several values of one name counts; the first spelling of the name stays.
            value.name = values[same].name;
            values[same] = value;
        }
        document.items.push_back(
            Item{Item::Kind::Value, std::move(raw), {}, std::move(value), cutOff});
    }

    for (std::string& kept : foreign) {
        while (!kept.empty() &&
               (kept.back() == '\n' || kept.back() == ' ' || kept.back() == '\t')) {
            kept.pop_back();
        }
    }
    data.foreignSections() = std::move(foreign);
    return true;
}

std::string renderRegistryFile(const RegistryData& data, const RegistryDocument& document) {
    if (document.items.empty()) {
        return data.toText();
    }
    const std::string& eol = document.lineEnd;
    constexpr std::size_t kNone = std::string::npos;
    const std::vector<RegistryKey>& storeKeys = data.keys();

    // Each value of the store has a place in one table: its key's first place plus its own.
    std::vector<std::size_t> firstValue(storeKeys.size() + 1, 0);
    for (std::size_t k = 0; k < storeKeys.size(); ++k) {
        firstValue[k + 1] = firstValue[k] + storeKeys[k].values.size();
    }
    // Per value of the store: the file's value of that name (the last of several), and whether a
    // changed value was written already (where its name first was).
    std::vector<const RegistryValue*> loaded(firstValue.back(), nullptr);
    std::vector<char> rewritten(firstValue.back(), 0);
    // Per key of the store: whether the file has it, and the item after which its new values go
    // (its last value in the file, or its last header when it has none there).
    std::vector<char> inFile(storeKeys.size(), 0);
    std::vector<char> valueInFile(storeKeys.size(), 0);
    std::vector<std::size_t> insertAfter(storeKeys.size(), 0);
    ValueNames names;
    // Per item: its key's and its value's place in the store (kNone: not there any more).
    std::vector<std::size_t> itemKey(document.items.size(), kNone);
    std::vector<std::size_t> itemValue(document.items.size(), kNone);

    // A value belongs to the key whose header comes before it.
    std::size_t sectionKey = kNone;
    for (std::size_t i = 0; i < document.items.size(); ++i) {
        const Item& item = document.items[i];
        if (item.kind == Item::Kind::Text) {
            continue;
        }
        if (item.kind == Item::Kind::Key) {
            const RegistryKey* key = data.findKey(item.path);
            sectionKey = key == nullptr ? kNone : static_cast<std::size_t>(key - storeKeys.data());
        }
        const std::size_t k = sectionKey;
        itemKey[i] = k;
        if (k == kNone) {
            continue;  // a key deleted since the file was read
        }
        if (item.kind == Item::Kind::Key) {
            if (!inFile[k] || !valueInFile[k]) {
                insertAfter[k] = i;
            }
            inFile[k] = 1;
            continue;
        }
        insertAfter[k] = i;
        valueInFile[k] = 1;
        const std::size_t v = names.find(storeKeys[k].values, item.value.name, k);
        if (v != ValueNames::npos) {
            itemValue[i] = firstValue[k] + v;
            loaded[itemValue[i]] = &item.value;
        }
    }
    // The keys of the file with values the file does not have yet, by the item they follow.
    std::vector<std::size_t> insertAt(document.items.size(), kNone);
    for (std::size_t k = 0; k < storeKeys.size(); ++k) {
        if (!inFile[k]) {
            continue;
        }
        for (std::size_t v = firstValue[k]; v < firstValue[k + 1]; ++v) {
            if (loaded[v] == nullptr) {
                insertAt[insertAfter[k]] = k;
                break;
            }
        }
    }

    std::string out;
    out.reserve(document.items.size() * 32 + 256);
    // Whether the last value written goes on past its last line: a kept value cut off at the end
    // of the file.
    bool valueGoesOn = false;
    // Makes what follows start a line of its own: ends the last line (completing a CR that the
    // file ended with), and ends a value that goes on with an empty line.
    auto endLine = [&] {
        if (out.empty()) {
            return;
        }
        if (out.back() == '\r') {
            out += '\n';
        } else if (out.back() != '\n') {
            out += eol;
        }
        if (valueGoesOn) {
            out += eol;
            valueGoesOn = false;
        }
    };
    auto writeValue = [&](const RegistryValue& v, std::string_view lineEnd) {
        endLine();
        out += registryValueLine(v, eol);
        out += lineEnd;
        valueGoesOn = goesOn(v);
    };
    for (std::size_t i = 0; i < document.items.size(); ++i) {
        const Item& item = document.items[i];
        if (item.kind == Item::Kind::Value) {
            // An unchanged value keeps its lines (all of them, when the name was there more
            // than once); a changed one is written anew where its name first was.
            const std::size_t v = itemValue[i];
            if (v != kNone) {
                const std::size_t k = itemKey[i];
                const RegistryValue& now = storeKeys[k].values[v - firstValue[k]];
                if (sameContent(now, *loaded[v])) {
                    endLine();
                    out += item.raw;
                    valueGoesOn = item.cutOff;
                } else if (!rewritten[v]) {
                    rewritten[v] = 1;
                    writeValue(now, lineEndOf(item.raw));
                }
            }
        } else if (item.kind == Item::Kind::Key && itemKey[i] == kNone) {
            // A key deleted since the file was read: its header goes with its values.
        } else {
            endLine();
            out += item.raw;
        }
        if (const std::size_t k = insertAt[i]; k != kNone) {
            for (std::size_t v = firstValue[k]; v < firstValue[k + 1]; ++v) {
                if (loaded[v] == nullptr) {
                    writeValue(storeKeys[k].values[v - firstValue[k]], eol);
                }
            }
        }
    }

    // Keys that the file did not have, at its end, each after a blank line.
    for (std::size_t k = 0; k < storeKeys.size(); ++k) {
        if (inFile[k]) {
            continue;
        }
        const RegistryKey& key = storeKeys[k];
        endLine();
        const bool blankBefore =
            out.size() >= 2 * eol.size() &&
            out.compare(out.size() - 2 * eol.size(), 2 * eol.size(), eol + eol) == 0;
        if (!blankBefore) {
            out += eol;
        }
        out += '[';
        out += kRootPrefix;
        out += key.path;
        out += ']';
        out += eol;
        for (const RegistryValue& v : key.values) {
            writeValue(v, eol);
        }
        endLine();
        out += eol;
    }
    return out;
}

namespace {

FileVersion versionOf(const struct stat& st) {
    FileVersion v;
    v.known = true;
    v.device = st.st_dev;
    v.inode = st.st_ino;
    v.size = static_cast<std::uint64_t>(st.st_size);
    v.modified = std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    v.changed = std::int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec;
    return v;
}

FileVersion versionOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? versionOf(st) : FileVersion{};
}

FileRegistry::LoadResult readWholeFile(const std::string& path, std::string& text,
                                       FileVersion& version) {
    using Result = FileRegistry::LoadResult;
    text.clear();
    version = FileVersion{};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return (errno == ENOENT || errno == ENOTDIR) ? Result::Missing : Result::Unreadable;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Result::Unreadable;
    }
    version = versionOf(st);
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxRegistryFileBytes) {
        ::close(fd);
        return Result::Damaged;
    }
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(fd);
            return Result::Unreadable;
        }
        if (n == 0) {
            break;
        }
        if (text.size() + static_cast<std::size_t>(n) > kMaxRegistryFileBytes) {
            ::close(fd);
            return Result::Damaged;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return Result::Loaded;
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a save replaces: where a symbolic link at the store's path points, so that a linked
// settings file stays linked.
std::string fileToReplace(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code error;
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        if (!error && !resolved.empty()) {
            return resolved.string();
        }
    }
    return path;
}

std::string folderOf(const std::string& file) {
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace

namespace {

// One change a run made to the store: a key it created, or a value it wrote that differs from
// what the file held.
struct Change {
    std::string path;
    bool keyOnly = false;
    RegistryValue value;
    bool deleted = false;  // the key with its values
};

void applyChanges(RegistryData& data, const std::vector<Change>& changes) {
    for (const Change& c : changes) {
        if (c.deleted) {
            data.removeKey(c.path);
            continue;
        }
        RegistryKey& k = data.ensureKey(c.path);
        if (c.keyOnly) {
            continue;
        }
        const auto same = [&](const RegistryValue& v) {
            return sameRegistryName(v.name, c.value.name);
        };
        const auto it = std::find_if(k.values.begin(), k.values.end(), same);
        if (it == k.values.end()) {
            k.values.push_back(c.value);
        } else {
            // The file's spelling of the name stays.
            std::string name = std::move(it->name);
            *it = c.value;
            it->name = std::move(name);
        }
    }
}

// An advisory lock on the settings folder, held while a save reads, merges and writes the file,
// so that two copies of the program saving at once take turns. Every copy waits for it; one that
// cannot have it within a few seconds (a folder on a file system without locks, a copy stopped
// in the middle of its save) saves all the same, still atomically.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder) {
        fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            return;
        }
        constexpr int kWaitMs = 5000;
        constexpr int kRetryMs = 2;
        for (int waited = 0;; waited += kRetryMs) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                locked_ = true;
                return;
            }
            if ((errno != EWOULDBLOCK && errno != EINTR) || waited >= kWaitMs) {
                return;
            }
            ::usleep(kRetryMs * 1000);
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) {
            ::close(fd_);  // also gives up the lock
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    int fd() const { return fd_; }
    bool locked() const { return locked_; }

  private:
    int fd_ = -1;
    bool locked_ = false;
};

std::string baseName(const std::string& file) {
    return std::filesystem::path(file).filename().string();
}

// A new file beside target that nobody else has, created with mode from the start (the process
// umask can only narrow it), so that no other user ever sees the settings in it.
int createTemporaryFile(const std::string& target, mode_t mode, std::string& name) {
    static std::uint64_t counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::uint64_t stamp =
            static_cast<std::uint64_t>(
                std::chrono::steady_clock::now().time_since_epoch().count()) ^
            (static_cast<std::uint64_t>(::getpid()) << 40) ^ (++counter << 20);
        name = target + ".tmp-" + formatC("%016llx", static_cast<unsigned long long>(stamp));
        const int fd = ::open(
            name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Temporary files beside target that saves cut short left behind. Only called while the folder is
// locked: no other save is writing one then.
void removeLeftoverTemporaryFiles(const std::string& target) {
    const std::string prefix = baseName(target) + ".tmp";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folderOf(target), error)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0 &&
            (name.size() == prefix.size() || name[prefix.size()] == '-')) {
            ::unlink(entry.path().c_str());
        }
    }
}

}  // namespace

FileRegistry::FileRegistry(std::string path) : path_(std::move(path)) {
    loadResult_ = readWholeFile(path_, text_, version_);
    if (loadResult_ == LoadResult::Loaded && !parseRegistryFile(text_, data(), document_)) {
        loadResult_ = LoadResult::Damaged;
    }
    if (loadResult_ == LoadResult::Damaged) {
        std::string keptAs;
        keptDamagedName_ = keepDamagedFile(fileToReplace(path_), keptAs) ? keptAs : baseName(path_);
    }
    if (loadResult_ != LoadResult::Loaded) {
        version_ = FileVersion{};
        text_.clear();
        document_ = RegistryDocument{};
    }
    base_ = data();
}

bool FileRegistry::create(std::string_view path, Key& key) {
    if (!MemoryRegistry::create(path, key)) {
        return false;
    }
    written_.push_back(Written{std::string(path), std::nullopt});
    return true;
}

bool FileRegistry::writeDword(Key key, std::string_view name, std::uint32_t value) {
    const std::string* path = pathOf(key);
    if (path == nullptr || !MemoryRegistry::writeDword(key, name, value)) {
        return false;
    }
    written_.push_back(Written{*path, std::string(name)});
    return true;
}

bool FileRegistry::deleteKey(std::string_view path) {
    // Noted before the deletion saves, so that the save takes it to the file.
    written_.push_back(Written{std::string(path), std::nullopt, true});
    const bool deleted = MemoryRegistry::deleteKey(path);
    if (!deleted && data().findKey(path) != nullptr) {
        written_.pop_back();  // not deleted at all
    }
    return deleted;
}

bool FileRegistry::writeString(Key key, std::string_view name, std::string_view value) {
    const std::string* path = pathOf(key);
    if (path == nullptr || !MemoryRegistry::writeString(key, name, value)) {
        return false;
    }
    written_.push_back(Written{*path, std::string(name)});
    return true;
}

std::string FileRegistry::takeKeptDamagedName() {
    return std::exchange(keptDamagedName_, std::string());
}

bool FileRegistry::fails(SaveStep step) const {
    return std::find(failing_.begin(), failing_.end(), step) != failing_.end();
}

bool FileRegistry::save() {
    if (loadResult_ == LoadResult::Unreadable) {
        // What is on disk could not be read: replacing it would lose it.
        return false;
    }
    // What this run wrote that the file did not hold when it was last read.
    // A key deleted by this run counts as new from then on, whatever the file held under it.
    std::vector<Change> changes;
    std::vector<std::string> deleted;
    const auto deletedBefore = [&](const std::string& path) {
        return std::any_of(deleted.begin(), deleted.end(),
                           [&](const std::string& d) { return sameRegistryName(d, path); });
    };
    for (const Written& w : written_) {
        if (w.deleted) {
            changes.push_back(Change{w.path, false, {}, true});
            deleted.push_back(w.path);
            continue;
        }
        const bool fresh = deletedBefore(w.path);
        if (!w.name) {
            if (fresh || base_.findKey(w.path) == nullptr) {
                changes.push_back(Change{w.path, true, {}});
            }
            continue;
        }
        const RegistryValue* now = data().findValue(w.path, *w.name);
        const RegistryValue* was = fresh ? nullptr : base_.findValue(w.path, *w.name);
        if (now != nullptr && (was == nullptr || !sameContent(*was, *now))) {
            changes.push_back(Change{w.path, false, *now});
        }
    }
    if (changes.empty()) {
        written_.clear();
        return true;  // nothing of this run to keep: the file stays as it is
    }
    const std::string target = fileToReplace(path_);
    if (fails(SaveStep::CreateFolder)) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folderOf(target), error);
    if (error) {
        return false;
    }
    const FolderLock lock(folderOf(target));

    // The file as it is now, which another copy or another program may have changed since this
    // run last read it.
    RegistryData merged;
    // The file's lines: those read when it is the same file as before, else those read now.
    RegistryDocument reread;
    const RegistryDocument* document = &document_;
    LoadResult now = LoadResult::Loaded;
    if (version_.known && versionOf(target) == version_) {
        merged = base_;
    } else {
        document = &reread;
        now = readWholeFile(target, text_, version_);
        if (now == LoadResult::Unreadable) {
            return false;
        }
        if (now == LoadResult::Loaded && !parseRegistryFile(text_, merged, reread)) {
            now = LoadResult::Damaged;
        }
        if (now == LoadResult::Damaged) {
            std::string keptAs;
            if (!keepDamagedFile(target, keptAs)) {
                return false;
            }
            merged = RegistryData{};
            reread = RegistryDocument{};
        }
    }
    applyChanges(merged, changes);
    std::string out = renderRegistryFile(merged, *document);
    if (now != LoadResult::Loaded || out != text_) {
        if (!replaceFile(target, out, lock.fd(), lock.locked())) {
            version_ = FileVersion{};  // read the file afresh at the next try
            return false;
        }
        // The next save reads it again (it needs the lines of what was just written), unless
        // nothing changed in it since.
        version_ = FileVersion{};
        text_ = std::move(out);
        document_ = RegistryDocument{};
    } else {
        if (document == &reread) {
            document_ = std::move(reread);
        }
        version_ = versionOf(target);
    }
    // From now on the store and the file hold the same.
    base_ = merged;
    data() = std::move(merged);
    written_.clear();
    loadResult_ = LoadResult::Loaded;
    return true;
}

bool FileRegistry::keepDamagedFile(const std::string& target, std::string& keptAs) {
    keptAs.clear();
    if (fails(SaveStep::KeepDamaged)) {
        return false;
    }
    struct stat damaged {};
    if (::stat(target.c_str(), &damaged) != 0) {
        return errno == ENOENT;  // nothing left to keep when the damaged file itself has gone
    }
    // registry.reg.bad, or registry.reg.bad.2 and on when older damaged files are kept there. A
    // file kept already (by an earlier start) is not kept a second time.
    for (int n = 1; n <= 100; ++n) {
        std::string name = target + ".bad";
        if (n > 1) {
            name += "." + formatInt(n);
        }
        struct stat st {};
        if (::lstat(name.c_str(), &st) == 0) {
            if (st.st_dev == damaged.st_dev && st.st_ino == damaged.st_ino) {
                keptAs = baseName(name);
                return true;
            }
            continue;
        }
        if (::link(target.c_str(), name.c_str()) == 0) {
            keptAs = baseName(name);
            return true;
        }
        if (errno == EEXIST) {
            continue;
        }
        if (errno == ENOENT) {
            return ::access(target.c_str(), F_OK) != 0;
        }
        // A file system without hard links: move the damaged file to the free name instead.
        if (::rename(target.c_str(), name.c_str()) == 0) {
            keptAs = baseName(name);
            return true;
        }
        return false;
    }
    return false;
}

bool FileRegistry::replaceFile(const std::string& target, const std::string& text, int folder,
                               bool locked) {
    if (locked) {
        removeLeftoverTemporaryFiles(target);
    }
    if (fails(SaveStep::CreateFile)) {
        return false;
    }
    // The new file gets the old one's permissions, else the user's alone.
    mode_t mode = 0600;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 07777;
    }
    std::string temporary;
    const int fd = createTemporaryFile(target, mode, temporary);
    if (fd < 0) {
        return false;
    }
    // The umask may have narrowed the mode at creation; it is widened back to the old file's,
    // never beyond.
    (void)::fchmod(fd, mode);
    if (watcher_) {
        watcher_(fd);
    }
    bool ok = !fails(SaveStep::Write) && writeAll(fd, text);
    ok = ok && !fails(SaveStep::Flush) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0 && !fails(SaveStep::Close);
    ok = ok && closed;
    ok = ok && !fails(SaveStep::Rename) && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());  // our own file: nobody else's save is touched
        return false;
    }

    // The rename is kept only once the folder itself is on the disk.
    if (fails(SaveStep::FlushFolder)) {
        return false;
    }
    if (folder < 0) {
        return true;  // a folder that cannot be opened for reading cannot be flushed either
    }
    return ::fsync(folder) == 0 || errno == EINVAL;
}

std::string registryPathFrom(const char* orvaneRegistry, const char* xdgConfigHome,
                             const char* home) {
    if (orvaneRegistry != nullptr && orvaneRegistry[0] != '\0') {
        return orvaneRegistry;
    }
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        return std::string(xdgConfigHome) + "/orvane/registry.reg";
    }
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.config/orvane/registry.reg";
    }
    return ".config/orvane/registry.reg";
}

std::string defaultRegistryPath() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        if (const passwd* account = ::getpwuid(::getuid())) {
            home = account->pw_dir;
        }
    }
    return registryPathFrom(std::getenv("ORVANE_REGISTRY"), std::getenv("XDG_CONFIG_HOME"), home);
}

}  // namespace orvane
