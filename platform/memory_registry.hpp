// A registry held in memory: the content, open key handles, and failures that a test can switch
// on per operation, key and value.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "platform/registry_data.hpp"

namespace orvane {

enum class RegistryOperation { Open, Create, Read, Write, Close };

// The operation's name as a drive script writes it ("open", "create", "read", "write", "close").
const char* registryOperationName(RegistryOperation operation);

class MemoryRegistry : public Registry {
  public:
    bool open(std::string_view path, Key& key) override;
    bool create(std::string_view path, Key& key) override;
    bool readDword(Key key, std::string_view name, std::uint32_t& value) override;
    bool readString(Key key, std::string_view name, std::string& value) override;
    bool subkey(std::string_view path, std::size_t index, std::string& name) override;
    bool hasValue(Key key, std::string_view name) override;
    bool writeDword(Key key, std::string_view name, std::uint32_t value) override;
    bool writeString(Key key, std::string_view name, std::string_view value) override;
    bool close(Key key) override;
    bool deleteKey(std::string_view path) override;

    // From now on, the operation fails for that key and value; an empty key means every key, an
    // empty name every value.
    void failFromNow(RegistryOperation operation, std::string key = {}, std::string name = {});
    void clearFailures() { failures_.clear(); }

    RegistryData& data() { return data_; }
    const RegistryData& data() const { return data_; }
    int openKeyCount() const { return static_cast<int>(handles_.size()); }

  protected:
    // Called when a key written through a handle is closed; a file-backed store saves here.
    // Returns false when the change could not be kept.
    virtual bool commit() { return true; }
    // The key path of an open handle; null for a handle that is not open.
    const std::string* pathOf(Key key) const;

  private:
    struct Failure {
        RegistryOperation operation;
        std::string key;
        std::string name;
    };
    bool fails(RegistryOperation operation, std::string_view key, std::string_view name) const;
    Key newHandle(std::string_view path);

    RegistryData data_;
    std::vector<Failure> failures_;
    std::map<Key, std::string> handles_;
    std::map<Key, bool> dirty_;
    Key nextHandle_ = 1;
};

}  // namespace orvane
