#include "platform/win32/Win32KeyStore.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/AnsiText.h"

namespace {

class Win32RegistryKey : public RegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : key_(key) {}
    ~Win32RegistryKey() override { RegCloseKey(key_); }
    Win32RegistryKey(const Win32RegistryKey&) = delete;
    Win32RegistryKey& operator=(const Win32RegistryKey&) = delete;

    bool QueryValue(std::string_view name, std::span<std::byte> buffer,
                    std::size_t& size) override {
        const std::optional<std::string> valueName = ZeroTerminated(name);
        if (!valueName) return false;
        DWORD type = 0;
        DWORD length = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), MAXDWORD));
        const LSTATUS result = RegQueryValueExA(key_, valueName->c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(buffer.data()), &length);
        size = length;
        return result == ERROR_SUCCESS;
    }

    bool EnumerateSubkey(std::uint32_t index, std::span<char> name) override {
        const DWORD length = static_cast<DWORD>(std::min<std::size_t>(name.size(), MAXDWORD));
        return RegEnumKeyA(key_, index, name.data(), length) == ERROR_SUCCESS;
    }

    bool CanQueryDefaultValue(std::string_view subkey) override {
        const std::optional<std::string> subkeyName = ZeroTerminated(subkey);
        LONG size = 0;
        return subkeyName &&
               RegQueryValueA(key_, subkeyName->c_str(), nullptr, &size) == ERROR_SUCCESS;
    }

private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32KeyStore::OpenWithFullAccess(std::string_view path) {
    const std::optional<std::string> keyPath = ZeroTerminated(path);
    HKEY key = nullptr;
    if (!keyPath || RegOpenKeyExA(HKEY_CURRENT_USER, keyPath->c_str(), 0, KEY_ALL_ACCESS, &key) !=
                        ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(key);
}

std::unique_ptr<RegistryKey> Win32KeyStore::Open(std::string_view path) {
    const std::optional<std::string> keyPath = ZeroTerminated(path);
    HKEY key = nullptr;
    if (!keyPath || RegOpenKeyA(HKEY_CURRENT_USER, keyPath->c_str(), &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RegistryKey>(key);
}
