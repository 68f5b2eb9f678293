#include "tests/e2e/driver/Registry.h"

#include <windows.h>

#include <functional>
#include <string>

namespace {

// Opens the key under HKEY_CURRENT_USER for writing, creating it if needed,
// and hands it to `write`; false if the key would not open or `write` failed.
bool WriteUserKey(std::wstring_view keyPath, const std::function<bool(HKEY)>& write) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, std::wstring(keyPath).c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool ok = write(key);
    RegCloseKey(key);
    return ok;
}

bool SetValue(HKEY key, const wchar_t* name, DWORD type, const void* data, std::size_t size) {
    return RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

}  // namespace

bool SetUserStrings(std::wstring_view keyPath,
                    std::initializer_list<std::pair<const wchar_t*, std::wstring_view>> values) {
    return WriteUserKey(keyPath, [&](HKEY key) {
        bool ok = true;
        for (const auto& [name, value] : values) {
            const std::wstring text(value);
            ok = SetValue(key, name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t)) &&
                 ok;
        }
        return ok;
    });
}

bool SetUserDword(std::wstring_view keyPath, const wchar_t* name, unsigned long value) {
    const DWORD data = value;
    return WriteUserKey(
        keyPath, [&](HKEY key) { return SetValue(key, name, REG_DWORD, &data, sizeof data); });
}
