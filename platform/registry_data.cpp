#include "platform/registry_data.hpp"

namespace orvane {

namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr const char* kRoot = "HKEY_LOCAL_MACHINE\\";

}  // namespace

bool sameRegistryName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string foldedRegistryName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        c = lower(c);
    }
    return out;
}

namespace {

// The hash of a name as names compare (FNV-1a of its bytes, ASCII letters in lower case).
std::uint64_t foldedHash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037u;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(lower(c));
        hash *= 1099511628211u;
    }
    return hash;
}

}  // namespace

std::size_t RegistryData::find(std::string_view path) const {
    if (slots_.empty()) {
        return npos;
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = foldedHash(path) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const std::size_t place = slots_[slot] - 1;
        if (sameRegistryName(keys_[place].path, path)) {
            return place;
        }
    }
    return npos;
}

void RegistryData::reindex(std::size_t keys) {
    std::size_t size = 16;
    while (size < 2 * keys) {
        size *= 2;
    }
    slots_.assign(size, 0);
    const std::size_t mask = size - 1;
    for (std::size_t place = 0; place < keys_.size(); ++place) {
        std::size_t slot = foldedHash(keys_[place].path) & mask;
        while (slots_[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slots_[slot] = static_cast<std::uint32_t>(place + 1);
    }
}

RegistryKey* RegistryData::findKey(std::string_view path) {
    const std::size_t place = find(path);
    return place == npos ? nullptr : &keys_[place];
}

const RegistryKey* RegistryData::findKey(std::string_view path) const {
    return const_cast<RegistryData*>(this)->findKey(path);
}

RegistryKey& RegistryData::ensureKey(std::string_view path) {
    if (const std::size_t place = find(path); place != npos) {
        return keys_[place];
    }
    keys_.push_back(RegistryKey{std::string(path), {}});
    if (2 * keys_.size() > slots_.size()) {
        reindex(2 * keys_.size());  // room for as many again before the next
    } else {
        const std::size_t mask = slots_.size() - 1;
        std::size_t slot = foldedHash(path) & mask;
        while (slots_[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slots_[slot] = static_cast<std::uint32_t>(keys_.size());
    }
    return keys_.back();
}

bool RegistryData::removeKey(std::string_view path) {
    const std::size_t place = find(path);
    if (place == npos) {
        return false;
    }
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(place));
    // The keys after it moved up by one.
    reindex(keys_.size());
    return true;
}

const RegistryValue* RegistryData::findValue(std::string_view path, std::string_view name) const {
    const RegistryKey* k = findKey(path);
    if (k == nullptr) {
        return nullptr;
    }
    for (const RegistryValue& v : k->values) {
        if (sameRegistryName(v.name, name)) {
            return &v;
        }
    }
    return nullptr;
}

void RegistryData::setValue(std::string_view path, RegistryValue value) {
    RegistryKey& k = ensureKey(path);
    for (RegistryValue& v : k.values) {
        if (sameRegistryName(v.name, value.name)) {
            value.name = v.name;  // keep the spelling already stored
            v = std::move(value);
            return;
        }
    }
    k.values.push_back(std::move(value));
}

std::string quoteRegistryString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
    return out;
}

std::string registryValueLine(const RegistryValue& v, const std::string& lineEnd) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string out = v.name.empty() ? std::string("@") : quoteRegistryString(v.name);
    out += '=';
    switch (v.type) {
        case RegistryValue::Type::Dword: {
            out += "dword:";
            for (int shift = 28; shift >= 0; shift -= 4) {
                out += kHexDigits[(v.dword >> shift) & 0xFu];
            }
            break;
        }
        case RegistryValue::Type::String:
            out += quoteRegistryString(v.text);
            break;
        case RegistryValue::Type::Other:
            for (char c : v.text) {
                if (c == '\n') {
                    out += lineEnd;
                } else {
                    out += c;
                }
            }
            break;
    }
    return out;
}

std::string RegistryData::toText() const {
    std::string out = "REGEDIT4\n\n";
    for (const RegistryKey& k : keys_) {
        out += '[';
        out += kRoot;
        out += k.path;
        out += "]\n";
        for (const RegistryValue& v : k.values) {
            out += registryValueLine(v);
            out += '\n';
        }
        out += '\n';
    }
    for (const std::string& section : foreign_) {
        out += section;
        if (!section.empty() && section.back() != '\n') {
            out += '\n';
        }
        out += '\n';
    }
    return out;
}

}  // namespace orvane
