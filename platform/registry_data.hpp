// The content of the registry the program uses: keys by path under HKEY_LOCAL_MACHINE, each
// with its values in order, and its text form, the registry export format "REGEDIT4":
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\software\Kelbrin Software\kq7d]
//   @="Preference data"
//   "Temp"=dword:00000001
//
// Key paths and value names compare without regard to case, as in the registry. Values of types
// the program does not use are kept as their text, so that they are written back unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct RegistryValue {
    enum class Type { Dword, String, Other };
    std::string name;  // empty: the key's unnamed (default) value, written "@"
    Type type = Type::Dword;
    std::uint32_t dword = 0;
    std::string text;  // String: the value; Other: everything after the '=' as it was read
};

struct RegistryKey {
    std::string path;  // under HKEY_LOCAL_MACHINE, e.g. "software\Kelbrin Software\kq7d"
    std::vector<RegistryValue> values;
};

bool sameRegistryName(std::string_view a, std::string_view b);
// A key path or value name in the form names compare by (ASCII letters in lower case).
std::string foldedRegistryName(std::string_view name);

class RegistryData {
  public:
    RegistryKey* findKey(std::string_view path);
    const RegistryKey* findKey(std::string_view path) const;
    RegistryKey& ensureKey(std::string_view path);
    const RegistryValue* findValue(std::string_view path, std::string_view name) const;
    void setValue(std::string_view path, RegistryValue value);
    // Removes the key with its values; false when there is none.
    bool removeKey(std::string_view path);

    const std::vector<RegistryKey>& keys() const { return keys_; }
    // Keys of other hives read from a file, kept whole as their text to be written back.
    std::vector<std::string>& foreignSections() { return foreign_; }
    const std::vector<std::string>& foreignSections() const { return foreign_; }

    // The export text: "REGEDIT4", a blank line, then each key with its values, a blank line
    // after each key.
    std::string toText() const;

  private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    // The place in keys_ of the key of that path, or npos.
    std::size_t find(std::string_view path) const;
    // Puts every key in the index again, in a table of at least twice as many slots.
    void reindex(std::size_t keys);

    std::vector<RegistryKey> keys_;
    // Each key's place in keys_ plus one (0: a free slot), at the slot of the hash of its path
    // as names compare or the next free one after it: finding a key neither walks every key nor
    // copies its path, so a file of many keys loads in linear time, and a copy of the store is
    // a copy of its keys and of this table.
    std::vector<std::uint32_t> slots_;
    std::vector<std::string> foreign_;
};

// A value as it stands in the export format, "Name"=... ("@" for the unnamed value), without a
// final line end; a kept value of another type that went on over several lines is joined with
// lineEnd.
std::string registryValueLine(const RegistryValue& value, const std::string& lineEnd = "\n");

// A string value in the export format: quotes around it, with \ and " escaped.
std::string quoteRegistryString(std::string_view text);

}  // namespace orvane
