#include "tests/e2e/driver/Registry.h"

#include <windows.h>

#include <string>

bool SetUserStrings(std::wstring_view keyPath,
                    std::initializer_list<std::pair<const wchar_t*, std::wstring_view>> values) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, std::wstring(keyPath).c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = true;
    for (const auto& [name, value] : values) {
        const std::wstring text(value);
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        ok = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            bytes) == ERROR_SUCCESS &&
             ok;
    }
    RegCloseKey(key);
    return ok;
}
