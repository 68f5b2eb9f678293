// The discovery over the real registry, files and drives.
#include <gtest/gtest.h>

#include <algorithm>

#include "discovery/GameDiscovery.h"
#include "discovery/InstallLocations.h"
#include "discovery/LanguageChoice.h"
#include "platform/win32/Win32Drives.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32KeyStore.h"
#include "tests/win32/TempFolder.h"
#include "tests/win32/TestKeys.h"

namespace {

class Win32DiscoveryTest : public testing::Test {
protected:
    Win32DiscoveryTest() {
        // The test's key stands in for the maker's key.
        state.szMakerKeyPath.Assign(keys.Path(""));
        state.szGameKeyPath.Assign(keys.Path("") + "\\");
    }

    DiscoveryEnvironment Environment() { return {store, files, drives}; }

    TestKeys keys;
    TempFolder folder;
    Win32KeyStore store;
    Win32FileSystem files;
    Win32Drives drives;
    SetupState state;
};

TEST_F(Win32DiscoveryTest, FindsTheFirstGameWhoseExecutableCanBeRead) {
    const std::string game = folder.CreateFolder("Velk");
    const std::string executable = folder.Write("Velk\\Velk.exe", "MZ");
    const std::string empty = folder.Write("Velk\\Empty.exe", "");
    keys.CreateKey("CommonFiles");
    keys.SetString("Velk 1.1", "CommandLine", executable);
    keys.SetString("Velk 1.5", "CommandLine", empty);
    keys.SetString("Velk 2", "CommandLine", executable);
    keys.SetString("Velk 3", "CommandLine", executable);
    keys.CreateKey(std::string(50, 'z'));  // listed last: ends the listing there
    ASSERT_TRUE(FindGame(state, Environment()));
    EXPECT_EQ(state.szGameKeyName.View(), "Velk 2");
    EXPECT_EQ(state.szGameExeName.View(), "\\Velk.exe");
    EXPECT_EQ(state.nGameKeyCount, 5);
}

TEST_F(Win32DiscoveryTest, ASubkeyWhoseDefaultValueCannotBeQueriedIsNotListed) {
    const std::string executable = folder.Write("Velk.exe", "MZ");
    keys.SetString("Velk 2", "CommandLine", executable);
    keys.AllowNothing("Velk 2");
    EXPECT_FALSE(FindGame(state, Environment()));
    EXPECT_EQ(state.nGameKeyCount, 0);
}

TEST_F(Win32DiscoveryTest, ChoosesTheLanguageFromTheFileOrElseFromLang) {
    keys.SetDword("Velk 2", "Lang", 259);
    state.szGameKeyPath.Assign(keys.Path("Velk 2"));
    state.szGameDirectory.Assign(folder.path());
    ChooseLanguage(state, Environment());
    EXPECT_EQ(state.nLanguage, Ukrainian);
    folder.Write("curlanguage.txt", "4");
    ChooseLanguage(state, Environment());
    EXPECT_EQ(state.nLanguage, Russian);
}

TEST_F(Win32DiscoveryTest, MeasuresTheFreeSpaceOfDriveC) {
    ASSERT_TRUE(drives.LogicalDrives() & (1u << 2));
    EXPECT_EQ(drives.DriveType("C:\\"), 3u);
    EXPECT_EQ(drives.DriveType("c:\\"), 3u);
    const std::optional<DiskFreeSpace> space = drives.FreeSpace("C:\\");
    ASSERT_TRUE(space);
    EXPECT_GT(space->sectorsPerCluster * space->bytesPerSector, 0u);
    ComputeFreeSpace(state, drives, folder.path());
    EXPECT_NE(state.strFreeSpace, "11111");
    EXPECT_TRUE(
        std::ranges::all_of(state.strFreeSpace, [](char c) { return c >= '0' && c <= '9'; }));
}

TEST_F(Win32DiscoveryTest, AMissingDriveHasNoRootAndNoFreeSpace) {
    const DWORD mask = drives.LogicalDrives();
    char letter = 'Z';
    while (letter > 'C' && (mask & (1u << (letter - 'A')))) --letter;
    ASSERT_GT(letter, 'C') << "every drive letter is taken";
    const std::string root{letter, ':', '\\'};
    EXPECT_EQ(drives.DriveType(root), 1u);
    EXPECT_FALSE(drives.FreeSpace(root));
}

}  // namespace
