// The settings store on a system without a registry: one text file in the registry export format
// "REGEDIT4", at $XDG_CONFIG_HOME/orvane/registry.reg (else $HOME/.config/orvane/registry.reg),
// or wherever ORVANE_REGISTRY says.
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\software\Kelbrin Software\kq7d]
//   @="Preference data"
//   "Temp"=dword:00000001
//
// Reading is tolerant: blank lines, comments (';'), keys of other hives, values of other types,
// values split over lines with a trailing '\' and CRLF line ends are all accepted, and every line
// that the program does not change is written back byte for byte. Whatever a save adds to a file
// starts on a line of its own and never becomes part of what was there: a value that goes on past
// the end of the file (its last line ends in a '\') reads as if an empty line ended it, and the
// save writes that empty line before anything else; a carriage return at the very end of the file
// is the last line's end, which a save completes to CRLF.
//
// A file that cannot be understood counts as an empty store. It is kept beside it as
// registry.reg.bad as soon as it is loaded (a hard link: the file itself stays as it was until a
// save replaces it), and the pilot is told once.
//
// Every save writes the whole store to a new file beside the old one, flushes it to the disk,
// renames it over the old one and flushes the folder, so that a crash or a power cut leaves either
// the old settings or the new ones, never a torn file. Another copy of the program, or another
// program, may use the same file: a save holds an advisory lock on the folder while it reads the
// file as it is now, changes in it only the values this run changed since it loaded (or last
// saved), and writes it through a temporary file of its own, created exclusively and with the
// file's final permissions. So two copies that changed different values both keep theirs, an edit
// made by hand while the program ran is not undone, and a run that changed nothing does not
// rewrite the file at all.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/memory_registry.hpp"
#include "platform/registry_data.hpp"

namespace orvane {

// A registry file as it was read: every line in order, so that a save can write back unchanged
// what the program did not change.
struct RegistryDocument {
    struct Item {
        enum class Kind {
            Text,  // a blank line, a comment, the header, or a line of another hive's key
            Key,   // the header of a key under HKEY_LOCAL_MACHINE
            Value  // a value of such a key (with its continuation lines)
        };
        Kind kind = Kind::Text;
        std::string raw;      // the exact bytes, line ends included
        std::string path;     // Key: the key's path under HKEY_LOCAL_MACHINE (a Value is of the
                              // Key item before it)
        RegistryValue value;  // Value: the value as read
        // Value: its last line goes on (ends in a '\') but the file ends there. Its text reads
        // as if an empty line ended it, and a save writes that empty line before anything it
        // adds after it.
        bool cutOff = false;
    };
    std::vector<Item> items;
    std::string lineEnd = "\n";  // the line end of the header line, used for every new line
};

// Limits past which a file is not taken for a settings file (it counts as damaged): they keep
// reading linear in the size of the file.
inline constexpr std::size_t kMaxRegistryFileBytes = 1u << 20;
inline constexpr std::size_t kMaxRegistryKeys = 10000;
inline constexpr std::size_t kMaxRegistryValues = 100000;

// Reads a registry file's text into data (keys under HKEY_LOCAL_MACHINE with their values; the
// other hives' keys as foreign sections) and document. Returns false, leaving both empty, when
// the text is not a REGEDIT4 file: no "REGEDIT4" first line, a key header without its ']', a
// line that is neither a key, a value nor a comment, a value outside any key, a value name
// without its closing quote, or a text past the limits above. Never throws on any input. A value
// that goes on past the end of the file reads as if an empty line ended it, and a carriage return
// at the very end ends the last line, so that a file reads the same after a save added to it.
bool parseRegistryFile(std::string_view text, RegistryData& data, RegistryDocument& document);

// The file's text for data: the document's lines with changed values rewritten in place, values
// that are new added after the last value of their key, new keys at the end, and the header and
// values of a key that data no longer has left out. With an empty
// document, the plain export text ("REGEDIT4", a blank line, each key with its values and a
// blank line).
std::string renderRegistryFile(const RegistryData& data, const RegistryDocument& document);

// What tells one version of a file on the disk from another.
struct FileVersion {
    bool known = false;
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;  // nanoseconds
    bool operator==(const FileVersion&) const = default;
};

class FileRegistry : public MemoryRegistry {
  public:
    enum class LoadResult {
        Missing,    // no file: an empty store (the first run)
        Loaded,     // read and understood
        Damaged,    // not understood: an empty store; the file is kept beside it as .bad
        Unreadable  // there but could not be read: an empty store that is never saved, so
                    // that nothing on disk is lost
    };

    // Loads the file at once.
    explicit FileRegistry(std::string path);

    const std::string& path() const { return path_; }
    LoadResult loadResult() const { return loadResult_; }

    // Puts what this run changed into the file atomically, creating its folder when missing.
    // Returns false when the file could not be replaced; the old file is then left as it was, and
    // the changes are still to be saved.
    bool save();

    // Writes through a handle are what this run changed; only those go into the file.
    bool create(std::string_view path, Key& key) override;
    bool writeDword(Key key, std::string_view name, std::uint32_t value) override;
    bool writeString(Key key, std::string_view name, std::string_view value) override;
    bool deleteKey(std::string_view path) override;

    // The name (without its folder) under which the damaged file was kept when it was loaded,
    // the first time it is asked for; empty after that, and when nothing was damaged.
    std::string takeKeptDamagedName() override;

    // The steps of a save, so that a test can make one of them fail as a full disk or a
    // read-only folder would.
    enum class SaveStep {
        CreateFolder,
        KeepDamaged,
        CreateFile,
        Write,
        Flush,
        Close,
        Rename,
        FlushFolder
    };
    void failSaveStep(SaveStep step) { failing_.push_back(step); }
    void clearSaveFailures() { failing_.clear(); }
    // Called with the temporary file's descriptor right after a save created it.
    void watchTemporaryFile(std::function<void(int)> watcher) { watcher_ = std::move(watcher); }

  protected:
    // A key written through a handle was closed: the change goes to the file now.
    bool commit() override { return save(); }

  private:
    bool fails(SaveStep step) const;
    // Keeps a damaged file beside it; keptAs is the name it is kept under (empty when there was
    // nothing left to keep). False when it could not be kept.
    bool keepDamagedFile(const std::string& target, std::string& keptAs);
    bool replaceFile(const std::string& target, const std::string& text, int folder, bool locked);

    std::string path_;
    LoadResult loadResult_ = LoadResult::Missing;
    // What the file held when this run last read or wrote it: a save puts in the file only the
    // values that differ from it.
    RegistryData base_;
    // The keys created or deleted and the values written by this run since it last saved, in
    // order: (path, name), with a null name for a key created or deleted.
    struct Written {
        std::string path;
        std::optional<std::string> name;
        bool deleted = false;
    };
    std::vector<Written> written_;
    // The file as this run last read it, with what identifies that version of it on the disk:
    // a save that finds the same file there does not read it again.
    FileVersion version_;
    std::string text_;
    RegistryDocument document_;
    std::string keptDamagedName_;
    std::vector<SaveStep> failing_;
    std::function<void(int)> watcher_;
};

// The store's file for this user: ORVANE_REGISTRY when set, else
// $XDG_CONFIG_HOME/orvane/registry.reg when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/orvane/registry.reg (the home folder of the user's account when HOME is unset).
std::string defaultRegistryPath();
// The same choice from given values of the three variables (null or empty: unset).
std::string registryPathFrom(const char* orvaneRegistry, const char* xdgConfigHome,
                             const char* home);

}  // namespace orvane
