#pragma once

// sddl.h builds on windows.h.
// clang-format off
#include <windows.h>
#include <sddl.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A key of its own under HKEY_CURRENT_USER\Software\PlexaruSetupTest for one
// test, with the values it sets; the whole key is removed afterwards.
class TestKeys {
public:
    TestKeys()
        : root_("Software\\PlexaruSetupTest\\Run" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(serial_++)) {
        CreateKey("");
    }
    ~TestKeys() {
        for (const std::string& path : std::vector(std::move(restricted_))) {
            SetAccess(path, "D:P(A;;KA;;;WD)");
        }
        EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str()), ERROR_SUCCESS);
        HKEY parent = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, root_.c_str(), 0, KEY_READ, &parent),
                  ERROR_FILE_NOT_FOUND);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\PlexaruSetupTest");  // when now empty
    }
    TestKeys(const TestKeys&) = delete;
    TestKeys& operator=(const TestKeys&) = delete;

    // The path of a key below the test's own, relative to HKEY_CURRENT_USER.
    std::string Path(std::string_view below) const {
        return below.empty() ? root_ : root_ + "\\" + std::string(below);
    }

    void CreateKey(std::string_view below) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path(below).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS)
            << below;
        RegCloseKey(key);
    }

    void SetValue(std::string_view below, const char* name, DWORD type, std::string_view data) {
        CreateKey(below);
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Path(below).c_str(), 0, KEY_SET_VALUE, &key),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void SetString(std::string_view below, const char* name, std::string_view text) {
        SetValue(below, name, REG_SZ, std::string(text) + '\0');
    }
    void SetDword(std::string_view below, const char* name, std::uint32_t number) {
        SetValue(below, name, REG_DWORD,
                 std::string_view(reinterpret_cast<const char*>(&number), sizeof number));
    }

    // Sets the key's access list, in the system's text form; undone before removal.
    void SetAccess(std::string_view below, const char* accessList) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
            accessList, SDDL_REVISION_1, &descriptor, nullptr));
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Path(below).c_str(), 0, WRITE_DAC, &key),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
        RegCloseKey(key);
        LocalFree(descriptor);
        restricted_.emplace_back(below);
    }
    // Everyone may read the key, nobody may change it.
    void AllowOnlyReading(std::string_view below) { SetAccess(below, "D:P(A;;KR;;;WD)"); }
    // Nobody may do anything with the key but see that it is there.
    void AllowNothing(std::string_view below) { SetAccess(below, "D:P"); }

private:
    static inline int serial_ = 0;
    std::string root_;
    std::vector<std::string> restricted_;
};
