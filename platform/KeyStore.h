#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

// An open key of the current user's key store; closed when destroyed.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // The named value's raw data, whatever its type; false when the value is
    // missing or its data do not fit the buffer. size receives the data's length.
    virtual bool QueryValue(std::string_view name, std::span<std::byte> buffer,
                            std::size_t& size) = 0;
    // The zero-terminated name of the subkey at index; false past the last one
    // or when the name and its terminator do not fit the buffer.
    virtual bool EnumerateSubkey(std::uint32_t index, std::span<char> name) = 0;
    // Whether the default value of a direct subkey can be queried.
    virtual bool CanQueryDefaultValue(std::string_view subkey) = 0;
};

// The current user's key store; key paths are backslash-separated.
class KeyStore {
public:
    virtual ~KeyStore() = default;
    // Opens with full access; null when the key is missing or refuses it.
    virtual std::unique_ptr<RegistryKey> OpenWithFullAccess(std::string_view path) = 0;
    // Opens with the default access, for listing subkeys; null when missing.
    virtual std::unique_ptr<RegistryKey> Open(std::string_view path) = 0;
};
