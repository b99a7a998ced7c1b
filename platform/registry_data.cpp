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

RegistryKey* RegistryData::findKey(std::string_view path) {
    const auto it = keyIndex_.find(foldedRegistryName(path));
    return it == keyIndex_.end() ? nullptr : &keys_[it->second];
}

const RegistryKey* RegistryData::findKey(std::string_view path) const {
    return const_cast<RegistryData*>(this)->findKey(path);
}

RegistryKey& RegistryData::ensureKey(std::string_view path) {
    const auto [it, added] = keyIndex_.emplace(foldedRegistryName(path), keys_.size());
    if (added) {
        keys_.push_back(RegistryKey{std::string(path), {}});
    }
    return keys_[it->second];
}

bool RegistryData::removeKey(std::string_view path) {
    const auto it = keyIndex_.find(foldedRegistryName(path));
    if (it == keyIndex_.end()) {
        return false;
    }
    const std::size_t removed = it->second;
    keyIndex_.erase(it);
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(removed));
    // The keys after it moved up by one.
    for (auto& [name, place] : keyIndex_) {
        if (place > removed) {
            --place;
        }
    }
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
