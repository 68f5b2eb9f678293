#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/KeyStore.h"

// A current user's key store kept in memory, with the registry's rules the
// program meets: key and value names compare without case, values are raw
// bytes whatever their type, and subkeys are listed in the registry's order
// (by their upper-case letters). The default value of a key is the value
// with the empty name.
class MemoryKeyStore : public KeyStore {
public:
    MemoryKeyStore();
    ~MemoryKeyStore() override;

    // Creates the key and every missing key above it.
    void AddKey(std::string_view path);
    // Sets a value's raw data; the key comes into being with it.
    void SetValue(std::string_view path, std::string_view name, std::string_view data);
    // A string value: the text and its terminating zero byte.
    void SetString(std::string_view path, std::string_view name, std::string_view text);
    // A REG_DWORD: four bytes, lowest first (258 is the bytes 2, 1, 0, 0).
    void SetDword(std::string_view path, std::string_view name, std::uint32_t value);
    // The key opens for reading but not with full access.
    void RefuseFullAccess(std::string_view path);
    // The key is listed by its parent but its default value cannot be queried.
    void RefuseDefaultValueQuery(std::string_view path);

    bool HasKey(std::string_view path) const;
    bool HasValue(std::string_view path, std::string_view name) const;
    // Keys opened and not yet closed.
    std::size_t OpenKeyCount() const { return openKeys_; }

    std::unique_ptr<RegistryKey> OpenWithFullAccess(std::string_view path) override;
    std::unique_ptr<RegistryKey> Open(std::string_view path) override;

private:
    struct Node {
        std::string name;
        std::vector<std::unique_ptr<Node>> children;
        std::vector<std::pair<std::string, std::string>> values;
        bool refusesFullAccess = false;
        bool refusesDefaultValueQuery = false;
    };
    class OpenKey;

    static Node* Find(Node& from, std::string_view path);
    static const std::string* FindValue(const Node& key, std::string_view name);
    Node& Create(std::string_view path);
    std::unique_ptr<RegistryKey> OpenNode(Node* node);

    std::unique_ptr<Node> root_;
    std::size_t openKeys_ = 0;
};
