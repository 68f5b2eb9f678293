#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "discovery/Probes.h"
#include "platform/win32/Win32KeyStore.h"
#include "state/SetupState.h"
#include "tests/support/RegistryOrder.h"
#include "tests/win32/TestKeys.h"

namespace {

using namespace std::string_literals;

// Wine lists subkeys by their lower-case letters, so the signs between 'Z'
// and 'a' come before the letters there; elsewhere it agrees with Windows.
constexpr std::array<std::string_view, kNamesInRegistryOrder.size()> kNamesInWineOrder = {
    "Velk",   "Velk 1.2", "Velk 10", "Velk 2", "velk 3", "Velk _",
    "Velk `", "Velk a",   "Velk B",  "velk c", "Velk Z", "Velk {",
};

bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

class Win32KeyStoreTest : public testing::Test {
protected:
    // The value's raw data as the key store gives it; empty when unreadable.
    std::optional<std::string> Query(const char* name, std::string_view below = "Game") {
        const std::unique_ptr<RegistryKey> key = store.OpenWithFullAccess(keys.Path(below));
        if (!key) return std::nullopt;
        std::array<std::byte, 1024> data{};
        std::size_t size = 0;
        if (!key->QueryValue(name, data, size)) return std::nullopt;
        return std::string(reinterpret_cast<const char*>(data.data()), size);
    }

    // The names of the test key's subkeys, in the order the store lists them.
    std::vector<std::string> ListedSubkeys() {
        std::vector<std::string> names;
        const std::unique_ptr<RegistryKey> parent = store.Open(keys.Path(""));
        std::array<char, 50> name{};
        for (std::uint32_t index = 0; parent && parent->EnumerateSubkey(index, name); ++index) {
            names.emplace_back(name.data());
        }
        return names;
    }

    TestKeys keys;
    Win32KeyStore store;
};

TEST_F(Win32KeyStoreTest, GivesAValuesRawDataWhateverItsType) {
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        std::optional<std::string> read;
    };
    const Case cases[] = {
        {"String", REG_SZ, std::string("D:\\Games\0", 9), std::string("D:\\Games\0", 9)},
        {"Dword258", REG_DWORD, std::string("\x02\x01\0\0", 4), std::string("\x02\x01\0\0", 4)},
        {"Binary1024", REG_BINARY, std::string(1024, 'b'), std::string(1024, 'b')},
        {"Binary1025", REG_BINARY, std::string(1025, 'b'), std::nullopt},
        {"String1024", REG_SZ, std::string(1023, 's') + '\0', std::string(1023, 's') + '\0'},
        {"String1025", REG_SZ, std::string(1024, 's') + '\0', std::nullopt},
        {"Western", REG_SZ, std::string("Velk \xC9\xE9\0", 8), std::string("Velk \xC9\xE9\0", 8)},
        {"", REG_SZ, std::string("default\0", 8), std::string("default\0", 8)},
    };
    for (const Case& c : cases) keys.SetValue("Game", c.name, c.type, c.data);
    for (const Case& c : cases) EXPECT_EQ(Query(c.name), c.read) << c.name;
    EXPECT_EQ(Query("Missing"), std::nullopt);
}

TEST_F(Win32KeyStoreTest, ReadRegistryStringDeliversTheBytesBeforeTheFirstZero) {
    keys.SetDword("Game", "Lang", 258);
    keys.SetString("Game", "Directory", "D:\\Games\\Velk");
    CharBuffer<1025> cell;
    ASSERT_TRUE(ReadRegistryString(store, keys.Path("Game"), "Lang", cell));
    EXPECT_EQ(cell.View(), "\x02\x01");
    PathBuffer path;
    ASSERT_TRUE(ReadRegistryString(store, keys.Path("Game"), "Directory", path));
    EXPECT_EQ(path.View(), "D:\\Games\\Velk");
}

TEST_F(Win32KeyStoreTest, ReadRegistryStringDeliversOtherStringTypesAsStored) {
    struct Case {
        const char* name;
        DWORD type;
        std::string data;
        std::string delivered;
    };
    const Case cases[] = {
        {"Expandable", REG_EXPAND_SZ, "%SystemDrive%\\Pics\0"s,
         "%SystemDrive%\\Pics"},  // not expanded
        {"Several", REG_MULTI_SZ, "C:\\One\0C:\\Two\0\0"s, "C:\\One"},
        {"Unterminated", REG_SZ, "D:\\Games\\Velk", "D:\\Games\\Velk"},
    };
    for (const Case& c : cases) keys.SetValue("Game", c.name, c.type, c.data);
    for (const Case& c : cases) {
        PathBuffer path;
        EXPECT_TRUE(ReadRegistryString(store, keys.Path("Game"), c.name, path)) << c.name;
        EXPECT_EQ(path.View(), c.delivered) << c.name;
    }
}

// The locale gives the system's ANSI code page: Cyrillic in ru_RU, Western
// European otherwise. The test programs run under both.
TEST_F(Win32KeyStoreTest, ACyrillicValueWrittenWideReadsInTheAnsiCodePage) {
    char locale[64] = {};
    GetEnvironmentVariableA("LANG", locale, sizeof locale);
    const bool russian = std::string_view(locale).starts_with("ru_RU");
    ASSERT_EQ(GetACP(), russian ? 1251u : 1252u) << "LANG=" << locale;

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, keys.Path("").c_str(), 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    const std::wstring folder =
        L"D:\\\u0418\u0433\u0440\u044B\\\u0412\u0435\u043B\u043A";  // D:\Игры\Велк
    EXPECT_EQ(
        RegSetValueExW(key, L"Pictures", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))),
        ERROR_SUCCESS);
    RegCloseKey(key);

    PathBuffer path;
    ASSERT_TRUE(ReadRegistryString(store, keys.Path(""), "Pictures", path));
    EXPECT_EQ(path.View(), russian ? "D:\\\xC8\xE3\xF0\xFB\\\xC2\xE5\xEB\xEA" : "D:\\????\\????");
}

TEST_F(Win32KeyStoreTest, AKeyThatRefusesFullAccessStillOpensForListing) {
    keys.SetString("Game", "Directory", "D:\\Games\\Velk");
    keys.AllowOnlyReading("Game");
    EXPECT_FALSE(store.OpenWithFullAccess(keys.Path("Game")));
    EXPECT_TRUE(store.Open(keys.Path("Game")));
    PathBuffer path;
    EXPECT_FALSE(ReadRegistryString(store, keys.Path("Game"), "Directory", path));
}

TEST_F(Win32KeyStoreTest, AMissingKeyDoesNotOpenAndIsNotCreated) {
    EXPECT_FALSE(store.OpenWithFullAccess(keys.Path("Missing")));
    EXPECT_FALSE(store.Open(keys.Path("Missing")));
    EXPECT_FALSE(store.Open(keys.Path("Missing")));
    EXPECT_FALSE(store.OpenWithFullAccess(keys.Path("Missing\\Deeper")));
}

TEST_F(Win32KeyStoreTest, ListsSubkeyNamesThatFitTheBufferInAStableOrder) {
    const std::string longest(49, 'n');
    for (const char* name : {"Velk 2", "CommonFiles", "Velk 1.1"}) keys.CreateKey(name);
    keys.CreateKey(longest);
    const std::vector<std::string> names = ListedSubkeys();
    EXPECT_EQ(names.size(), 4u);
    EXPECT_NE(std::ranges::find(names, longest), names.end());
    EXPECT_EQ(ListedSubkeys(), names);
}

TEST_F(Win32KeyStoreTest, ListsSubkeysInTheRegistrysOrderWhateverTheOrderTheyWereCreatedIn) {
    for (std::string_view name : kNamesInCreationOrder) keys.CreateKey(name);
    keys.CreateKey(kSameNameInOtherCase);
    const auto& order = UnderWine() ? kNamesInWineOrder : kNamesInRegistryOrder;
    EXPECT_EQ(ListedSubkeys(), std::vector<std::string>(order.begin(), order.end()));
}

TEST_F(Win32KeyStoreTest, ANameOf50CharactersDoesNotFitTheBuffer) {
    keys.CreateKey(std::string(50, 'n'));
    const std::unique_ptr<RegistryKey> maker = store.Open(keys.Path(""));
    ASSERT_TRUE(maker);
    std::array<char, 50> name{};
    EXPECT_FALSE(maker->EnumerateSubkey(0, name));
    std::array<char, 51> larger{};
    EXPECT_TRUE(maker->EnumerateSubkey(0, larger));
}

TEST_F(Win32KeyStoreTest, TellsWhetherASubkeysDefaultValueCanBeQueried) {
    keys.CreateKey("Velk 2");
    keys.SetDword("Velk 3", "", 7);
    keys.SetString("Velk 4", "", "default");
    keys.CreateKey("Locked");
    keys.AllowNothing("Locked");
    const std::unique_ptr<RegistryKey> maker = store.Open(keys.Path(""));
    ASSERT_TRUE(maker);
    EXPECT_TRUE(maker->CanQueryDefaultValue("Velk 2"));  // no default value at all
    EXPECT_TRUE(maker->CanQueryDefaultValue("Velk 3"));
    EXPECT_TRUE(maker->CanQueryDefaultValue("Velk 4"));
    EXPECT_FALSE(maker->CanQueryDefaultValue("Locked"));
    EXPECT_FALSE(maker->CanQueryDefaultValue("Missing"));
}

TEST_F(Win32KeyStoreTest, ANameWithAZeroByteNamesNothing) {
    keys.SetString("Game", "Directory", "D:\\Games\\Velk");
    const std::string cutPath = keys.Path("Game") + std::string("\0junk", 5);
    EXPECT_FALSE(store.OpenWithFullAccess(cutPath));
    EXPECT_FALSE(store.Open(cutPath));
    const std::unique_ptr<RegistryKey> key = store.OpenWithFullAccess(keys.Path("Game"));
    ASSERT_TRUE(key);
    std::array<std::byte, 1024> data{};
    std::size_t size = 0;
    EXPECT_FALSE(key->QueryValue(std::string_view("Directory\0junk", 14), data, size));
}

}  // namespace
