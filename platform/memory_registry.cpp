#include "platform/memory_registry.hpp"

namespace orvane {

const char* registryOperationName(RegistryOperation operation) {
    switch (operation) {
        case RegistryOperation::Open:
            return "open";
        case RegistryOperation::Create:
            return "create";
        case RegistryOperation::Read:
            return "read";
        case RegistryOperation::Write:
            return "write";
        case RegistryOperation::Close:
            return "close";
    }
    return "?";
}

bool MemoryRegistry::fails(RegistryOperation operation, std::string_view key,
                           std::string_view name) const {
    for (const Failure& f : failures_) {
        if (f.operation == operation && (f.key.empty() || sameRegistryName(f.key, key)) &&
            (f.name.empty() || sameRegistryName(f.name, name))) {
            return true;
        }
    }
    return false;
}

void MemoryRegistry::failFromNow(RegistryOperation operation, std::string key, std::string name) {
    failures_.push_back(Failure{operation, std::move(key), std::move(name)});
}

const std::string* MemoryRegistry::pathOf(Key key) const {
    auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : &it->second;
}

Registry::Key MemoryRegistry::newHandle(std::string_view path) {
    const Key key = nextHandle_++;
    handles_[key] = std::string(path);
    dirty_[key] = false;
    return key;
}

bool MemoryRegistry::open(std::string_view path, Key& key) {
    if (fails(RegistryOperation::Open, path, {}) || data_.findKey(path) == nullptr) {
        return false;
    }
    key = newHandle(path);
    return true;
}

bool MemoryRegistry::create(std::string_view path, Key& key) {
    if (fails(RegistryOperation::Create, path, {})) {
        return false;
    }
    const bool existed = data_.findKey(path) != nullptr;
    data_.ensureKey(path);
    key = newHandle(path);
    dirty_[key] = !existed;
    return true;
}

bool MemoryRegistry::readDword(Key key, std::string_view name, std::uint32_t& value) {
    const std::string* path = pathOf(key);
    if (path == nullptr || fails(RegistryOperation::Read, *path, name)) {
        return false;
    }
    const RegistryValue* v = data_.findValue(*path, name);
    if (v == nullptr || v->type != RegistryValue::Type::Dword) {
        return false;
    }
    value = v->dword;
    return true;
}

bool MemoryRegistry::readString(Key key, std::string_view name, std::string& value) {
    const std::string* path = pathOf(key);
    if (path == nullptr || fails(RegistryOperation::Read, *path, name)) {
        return false;
    }
    const RegistryValue* v = data_.findValue(*path, name);
    if (v == nullptr || v->type != RegistryValue::Type::String) {
        return false;
    }
    value = v->text;
    return true;
}

bool MemoryRegistry::subkey(std::string_view path, std::size_t index, std::string& name) {
    if (fails(RegistryOperation::Open, path, {})) {
        return false;
    }
    const std::size_t prefix = path.size() + 1;
    for (const RegistryKey& k : data_.keys()) {
        // A direct subkey: the path, a backslash, and a name without one.
        if (k.path.size() <= prefix || k.path[prefix - 1] != '\\' ||
            !sameRegistryName(std::string_view(k.path).substr(0, prefix - 1), path) ||
            k.path.find('\\', prefix) != std::string::npos) {
            continue;
        }
        if (index-- == 0) {
            name = k.path.substr(prefix);
            return true;
        }
    }
    return false;
}

bool MemoryRegistry::deleteKey(std::string_view path) {
    if (fails(RegistryOperation::Write, path, {}) || !data_.removeKey(path)) {
        return false;
    }
    return commit();
}

bool MemoryRegistry::hasValue(Key key, std::string_view name) {
    const std::string* path = pathOf(key);
    return path != nullptr && data_.findValue(*path, name) != nullptr;
}

bool MemoryRegistry::writeDword(Key key, std::string_view name, std::uint32_t value) {
    const std::string* path = pathOf(key);
    if (path == nullptr || fails(RegistryOperation::Write, *path, name)) {
        return false;
    }
    RegistryValue v;
    v.name = std::string(name);
    v.type = RegistryValue::Type::Dword;
    v.dword = value;
    data_.setValue(*path, std::move(v));
    dirty_[key] = true;
    return true;
}

bool MemoryRegistry::writeString(Key key, std::string_view name, std::string_view value) {
    const std::string* path = pathOf(key);
    if (path == nullptr || fails(RegistryOperation::Write, *path, name)) {
        return false;
    }
    RegistryValue v;
    v.name = std::string(name);
    v.type = RegistryValue::Type::String;
    v.text = std::string(value);
    data_.setValue(*path, std::move(v));
    dirty_[key] = true;
    return true;
}

bool MemoryRegistry::close(Key key) {
    const std::string* path = pathOf(key);
    if (path == nullptr) {
        return false;
    }
    const bool failed = fails(RegistryOperation::Close, *path, {});
    const bool wrote = dirty_[key];
    handles_.erase(key);
    dirty_.erase(key);
    if (failed) {
        return false;
    }
    return wrote ? commit() : true;
}

}  // namespace orvane
