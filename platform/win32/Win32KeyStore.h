#pragma once

#include "platform/KeyStore.h"

// The current user's registry, HKEY_CURRENT_USER, through advapi32's "A"
// functions: names and data are 8-bit texts of the system's code page.
class Win32KeyStore : public KeyStore {
public:
    std::unique_ptr<RegistryKey> OpenWithFullAccess(std::string_view path) override;
    std::unique_ptr<RegistryKey> Open(std::string_view path) override;
};
