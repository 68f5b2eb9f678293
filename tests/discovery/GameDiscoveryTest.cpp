#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "discovery/GameDiscovery.h"
#include "platform/inproc/MemoryDrives.h"
#include "platform/inproc/MemoryFileSystem.h"
#include "platform/inproc/MemoryKeyStore.h"
#include "tests/support/RegistryOrder.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

constexpr std::string_view kMakerKey = "Software\\Kordanex";

std::string KeyPath(std::string_view name) {
    return std::string(kMakerKey) + "\\" + std::string(name);
}

// The maker key's subkeys and the files they name, as FindGame meets them.
struct MakerKeys {
    MakerKeys() { state.szGameKeyPath.Assign("Software\\Kordanex\\"); }

    // A subkey whose CommandLine names a file holding bytes.
    void AddGame(std::string_view name, std::string_view commandLine,
                 std::string_view bytes = "MZ") {
        AddKeyWithCommandLine(name, commandLine);
        files.AddFile(commandLine, bytes);
    }
    void AddKeyWithCommandLine(std::string_view name, std::string_view commandLine) {
        keys.SetString(KeyPath(name), "CommandLine", commandLine);
    }
    bool Find() { return FindGame(state, {keys, files, drives}); }

    MemoryKeyStore keys;
    MemoryFileSystem files;
    MemoryDrives drives;
    SetupState state;
};

class FindGameTest : public testing::Test, protected MakerKeys {};

TEST_F(FindGameTest, RecognisesTheGameByTheStartOfItsKeyName) {
    struct Case {
        std::string name;
        bool game;
    };
    const Case cases[] = {
        {"Velk 1.1", false},
        {"Velk 1.10", false},
        {"Velk 1.1 beta", false},
        {"Velk 1.2", true},
        {"Velk 11", true},
        {"Velk ", true},
        {"Velk 1.", true},
        {"Velk 2", true},
        {"Velk", false},
        {"velk 2", false},
        {"VELK 2", false},
        {" Velk 2", false},
        {"Velk_2", false},
        {"Velk " + std::string(42, 'n'), true},   // 47 characters fit
        {"Velk " + std::string(43, 'n'), false},  // 48 do not fit the name buffer
        {"Velk " + std::string(44, 'n'), false},
    };
    for (const Case& c : cases) {
        MakerKeys world;
        world.AddGame(c.name, "D:\\Games\\Velk\\Velk.exe");
        EXPECT_EQ(world.Find(), c.game) << '"' << c.name << '"';
        if (c.game) {
            EXPECT_EQ(world.state.szGameKeyName.View(), c.name);
        }
    }
}

TEST_F(FindGameTest, ListsTheSubkeysInTheRegistrysOrder) {
    for (std::string_view name : kNamesInCreationOrder) keys.AddKey(KeyPath(name));
    keys.AddKey(KeyPath(kSameNameInOtherCase));
    EXPECT_FALSE(Find());
    const std::vector<std::string> listed(state.astrGameKeys.begin(),
                                          state.astrGameKeys.begin() + state.nGameKeyCount);
    EXPECT_THAT(listed, ElementsAreArray(kNamesInRegistryOrder));
}

TEST_F(FindGameTest, ChoosesTheFirstGameInTheRegistrysOrder) {
    AddGame("Velk _", "F:\\Velk_\\Velk_.exe");
    AddGame("Velk b", "E:\\Velkb\\Velkb.exe");
    AddGame("Velk A", "D:\\Games\\Velk\\Velk.exe");
    ASSERT_TRUE(Find());
    EXPECT_EQ(state.szGameKeyName.View(), "Velk A");
    EXPECT_EQ(state.szGameExeName.View(), "\\Velk.exe");
}

TEST_F(FindGameTest, PassesOverACandidateThatFailsALaterTest) {
    struct Case {
        const char* what;
        void (*stage)(MakerKeys&);
    };
    static const Case cases[] = {
        {"no CommandLine",
         [](MakerKeys& t) { t.keys.SetString(KeyPath("Velk 1"), "Directory", "D:\\"); }},
        {"executable missing",
         [](MakerKeys& t) { t.AddKeyWithCommandLine("Velk 1", "D:\\Old\\Velk.exe"); }},
        {"executable empty", [](MakerKeys& t) { t.AddGame("Velk 1", "D:\\Old\\Velk.exe", ""); }},
        {"executable held open",
         [](MakerKeys& t) {
             t.AddGame("Velk 1", "D:\\Old\\Velk.exe");
             t.files.HoldOpen("D:\\Old\\Velk.exe");
         }},
        {"CommandLine names a folder",
         [](MakerKeys& t) {
             t.files.AddFolder("D:\\Old");
             t.AddKeyWithCommandLine("Velk 1", "D:\\Old");
         }},
        {"CommandLine in quotes",
         [](MakerKeys& t) {
             t.files.AddFile("D:\\Old\\Velk.exe", "MZ");
             t.AddKeyWithCommandLine("Velk 1", "\"D:\\Old\\Velk.exe\"");
         }},
        {"CommandLine with an argument",
         [](MakerKeys& t) {
             t.files.AddFile("D:\\Old\\Velk.exe", "MZ");
             t.AddKeyWithCommandLine("Velk 1", "D:\\Old\\Velk.exe -window");
         }},
        {"CommandLine of 260 characters",
         [](MakerKeys& t) { t.AddGame("Velk 1", "D:\\" + std::string(257, 'c')); }},
        {"file name of 47 characters",
         [](MakerKeys& t) { t.AddGame("Velk 1", "D:\\Old\\" + std::string(47, 'f')); }},
        {"game key refuses full access",
         [](MakerKeys& t) {
             t.AddGame("Velk 1", "D:\\Old\\Velk.exe");
             t.keys.RefuseFullAccess(KeyPath("Velk 1"));
         }},
    };
    for (const Case& c : cases) {
        MakerKeys world;
        c.stage(world);
        world.AddGame("Velk 2", "D:\\Games\\Velk\\Velk.exe");
        EXPECT_TRUE(world.Find()) << c.what;
        EXPECT_EQ(world.state.szGameKeyName.View(), "Velk 2") << c.what;
    }
}

TEST_F(FindGameTest, TakesTheFileNameOfTheCommandLine) {
    struct Case {
        std::string commandLine;
        std::string exeName;
    };
    const Case cases[] = {
        {"D:\\Games\\Velk\\Velk.exe", "\\Velk.exe"},
        {"D:\\Velk.exe", "\\"},  // a file in a drive's root
        {"D:\\Old\\" + std::string(46, 'f'), "\\" + std::string(46, 'f')},
    };
    for (const Case& c : cases) {
        MakerKeys world;
        world.AddGame("Velk 2", c.commandLine);
        ASSERT_TRUE(world.Find()) << c.commandLine;
        EXPECT_EQ(world.state.szGameExeName.View(), c.exeName);
    }
}

TEST_F(FindGameTest, WithoutAGameLeavesTheNamesAsTheyWere) {
    AddKeyWithCommandLine("Velk 2", "D:\\Games\\Velk\\Velk.exe");
    AddGame("Velk 1.1", "D:\\Games\\Velk11\\Velk.exe");
    EXPECT_FALSE(Find());
    EXPECT_EQ(state.szGameExeName.View(), "\\Velk.exe");
    EXPECT_EQ(state.szGameKeyName.View(), "");
    EXPECT_EQ(keys.OpenKeyCount(), 0u);
}

TEST_F(FindGameTest, IsFalseWithoutTheMakerKeyOrAnyListedSubkey) {
    EXPECT_FALSE(Find());
    keys.AddKey(kMakerKey);
    EXPECT_FALSE(Find());
    AddGame("Velk 2", "D:\\Games\\Velk\\Velk.exe");
    keys.RefuseDefaultValueQuery(KeyPath("Velk 2"));
    EXPECT_FALSE(Find());
}

TEST_F(FindGameTest, ANameOf50CharactersEndsTheListing) {
    for (std::size_t length : {49u, 50u}) {
        MakerKeys world;
        world.AddGame("Velk z", "D:\\Games\\Velk\\Velk.exe");  // listed after the long name
        world.AddGame("Velk " + std::string(length - 5, 'n'), "D:\\Games\\Long\\Velk.exe");
        EXPECT_EQ(world.Find(), length == 49) << length;
        EXPECT_EQ(world.state.nGameKeyCount, length == 49 ? 2 : 0) << length;
    }
}

TEST_F(FindGameTest, ListsOnlySubkeysWhoseDefaultValueCanBeQueried) {
    keys.AddKey(KeyPath("CommonFiles"));
    AddGame("Velk 2", "D:\\Games\\Velk\\Velk.exe");
    keys.AddKey(KeyPath("Velk 3"));
    keys.RefuseDefaultValueQuery(KeyPath("CommonFiles"));
    keys.RefuseDefaultValueQuery(KeyPath("Velk 2"));
    state.astrGameKeys[5] = "left over";
    EXPECT_FALSE(Find());
    EXPECT_EQ(state.nGameKeyCount, 1);
    EXPECT_THAT(std::vector(state.astrGameKeys.begin(), state.astrGameKeys.begin() + 6),
                ElementsAre("Velk 3", "", "", "", "", ""));
}

TEST_F(FindGameTest, StoresAtMost48Names) {
    for (int index = 0; index < 47; ++index) keys.AddKey(KeyPath("Other " + std::to_string(index)));
    AddGame("Velk 2", "D:\\Games\\Velk\\Velk.exe");  // the 48th
    AddGame("Velk 3", "D:\\Games\\Velk3\\Velk.exe");
    ASSERT_TRUE(Find());
    EXPECT_EQ(state.nGameKeyCount, 48);
    EXPECT_EQ(state.astrGameKeys[47], "Velk 2");

    MakerKeys crowded;
    for (int index = 0; index < 48; ++index)
        crowded.keys.AddKey(KeyPath("Other " + std::to_string(index)));
    crowded.AddGame("Velk 2", "D:\\Games\\Velk\\Velk.exe");  // the 49th
    EXPECT_FALSE(crowded.Find());
    EXPECT_EQ(crowded.state.nGameKeyCount, 48);
}

TEST(ExtractFileNameTest, TakesThePartAfterTheLastBackslashFromPosition4On) {
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"D:\\Games\\Velk\\Velk.exe", "Velk.exe"},
        {"D:\\Velk.exe", ""},  // the only backslash stands at position 2
        {"abcd\\x.exe", "x.exe"},
        {"abc\\x.exe", ""},
        {"D:\\Games\\", ""},
        {"D:/Games/Velk.exe", ""},
        {"Velk", ""},
        {"", ""},
        {"abcd\\", ""},
        {"ab\\d\\efg\\h\\i", "i"},
        {"D:\\Games\\Velk/Velk.exe", "Velk/Velk.exe"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
}

}  // namespace
