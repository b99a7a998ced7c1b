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
// is the last line's end, which a save completes to CRLF. A file that cannot be understood counts
// as an empty store; it is kept beside the new one as registry.reg.bad when the program next
// saves, never overwritten.
//
// Every save writes the whole store to a new file beside the old one, flushes it to the disk,
// renames it over the old one and flushes the folder, so that a crash or a power cut leaves either
// the old settings or the new ones, never a torn file.
#pragma once

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
        std::string path;     // Key and Value: the key's path under HKEY_LOCAL_MACHINE
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

class FileRegistry : public MemoryRegistry {
  public:
    enum class LoadResult {
        Missing,    // no file: an empty store (the first run)
        Loaded,     // read and understood
        Damaged,    // not understood: an empty store; the file is kept as .bad at the next save
        Unreadable  // there but could not be read: an empty store that is never saved, so
                    // that nothing on disk is lost
    };

    // Loads the file at once.
    explicit FileRegistry(std::string path);

    const std::string& path() const { return path_; }
    LoadResult loadResult() const { return loadResult_; }

    // Writes the whole store to the file atomically, creating its folder when missing. Returns
    // false when the file could not be replaced; the old file is then left as it was.
    bool save();

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

  protected:
    // A key written through a handle was closed: the change goes to the file now.
    bool commit() override { return save(); }

  private:
    bool fails(SaveStep step) const;
    bool keepDamagedFile(const std::string& target);
    bool replaceFile(const std::string& target, const std::string& text);

    std::string path_;
    LoadResult loadResult_ = LoadResult::Missing;
    bool damagedKept_ = false;
    RegistryDocument document_;
    std::vector<SaveStep> failing_;
};

// The store's file for this user: ORVANE_REGISTRY when set, else
// $XDG_CONFIG_HOME/orvane/registry.reg when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/orvane/registry.reg (the home folder of the user's account when HOME is unset).
std::string defaultRegistryPath();
// The same choice from given values of the three variables (null or empty: unset).
std::string registryPathFrom(const char* orvaneRegistry, const char* xdgConfigHome,
                             const char* home);

}  // namespace orvane
