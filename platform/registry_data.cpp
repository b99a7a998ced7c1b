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

RegistryKey* RegistryData::findKey(std::string_view path) {
    for (RegistryKey& k : keys_) {
        if (sameRegistryName(k.path, path)) {
            return &k;
        }
    }
    return nullptr;
}

const RegistryKey* RegistryData::findKey(std::string_view path) const {
    return const_cast<RegistryData*>(this)->findKey(path);
}

RegistryKey& RegistryData::ensureKey(std::string_view path) {
    if (RegistryKey* k = findKey(path)) {
        return *k;
    }
    keys_.push_back(RegistryKey{std::string(path), {}});
    return keys_.back();
}

bool RegistryData::removeKey(std::string_view path) {
    for (auto it = keys_.begin(); it != keys_.end(); ++it) {
        if (sameRegistryName(it->path, path)) {
            keys_.erase(it);
            return true;
        }
    }
    return false;
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
