#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "discovery/InstallLocations.h"
#include "tests/support/InstalledGame.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class RunDiscoveryTest : public testing::Test, protected InstalledGame {
protected:
    bool Run() {
        return RunDiscovery(state, Environment(), [this] { ++drawingPrepared; });
    }

    SetupState state;
    int drawingPrepared = 0;
};

TEST_F(RunDiscoveryTest, LeavesItsFindingsByThePointAtWhichItStopped) {
    struct Outcome {
        const char* what;
        std::function<void(InstalledGame&)> stage;
        bool found;
        bool picturesFolderKnown;
        bool gameDirectoryKnown;
        bool gameExeReadable;
        const char* freeSpace;
        UiLanguage language;
        int drawingPrepared;
    };
    const Outcome outcomes[] = {
        {"game not found", [](InstalledGame& g) { g.files.HoldOpen(InstalledGame::kExecutable); },
         false, true, true, true, "11111", English, 0},
        {"Pictures missing", [](InstalledGame& g) { g.keys.RefuseFullAccess(g.kCommonKey); }, true,
         false, true, true, "11111", English, 0},
        {"Directory missing",
         [](InstalledGame& g) { g.keys.SetString(g.kGameKey, "Directory", std::string(260, 'd')); },
         true, true, false, true, "11111", English, 0},
        {"executable not readable at Directory",
         [](InstalledGame& g) { g.keys.SetString(g.kGameKey, "Directory", "D:\\Elsewhere"); }, true,
         true, true, false, "11111", English, 1},
        {"game ready", [](InstalledGame&) {}, true, true, true, true, "4096", Russian, 1},
    };
    for (const Outcome& o : outcomes) {
        InstalledGame game;
        o.stage(game);
        SetupState found;
        int prepared = 0;
        EXPECT_EQ(RunDiscovery(found, game.Environment(), [&] { ++prepared; }), o.found) << o.what;
        EXPECT_EQ(found.bPicturesFolderKnown, o.picturesFolderKnown) << o.what;
        EXPECT_EQ(found.bGameDirectoryKnown, o.gameDirectoryKnown) << o.what;
        EXPECT_EQ(found.bGameExeReadable, o.gameExeReadable) << o.what;
        EXPECT_EQ(found.strFreeSpace, o.freeSpace) << o.what;
        EXPECT_EQ(found.nLanguage, o.language) << o.what;
        EXPECT_EQ(prepared, o.drawingPrepared) << o.what;
        EXPECT_EQ(game.keys.OpenKeyCount(), 0u) << o.what;
    }
}

TEST_F(RunDiscoveryTest, ReadsTheLocationsOfTheGameFound) {
    ASSERT_TRUE(Run());
    EXPECT_EQ(state.szGameKeyPath.View(), kGameKey);
    EXPECT_EQ(state.szGameKeyName.View(), "Velk 2");
    EXPECT_EQ(state.szGameDirectory.View(), kGameFolder);
    EXPECT_EQ(state.szPicturesFolder.View(), kPicturesFolder);
    EXPECT_THAT(drives.Queries(), ElementsAre("DriveType D:\\", "LogicalDrives", "FreeSpace D:\\"));
}

TEST_F(RunDiscoveryTest, WithoutAGameKeepsTheMakerKeyPathAndTouchesNothingElse) {
    keys.RefuseDefaultValueQuery(kGameKey);
    EXPECT_FALSE(Run());
    EXPECT_EQ(state.szGameKeyPath.View(), "Software\\Kordanex\\");
    EXPECT_EQ(state.szPicturesFolder.View(), "");
    EXPECT_EQ(state.szGameDirectory.View(), "");
    EXPECT_THAT(drives.Queries(), IsEmpty());
}

TEST_F(RunDiscoveryTest, AMissingPicturesValueStillLetsDirectoryBeRead) {
    keys.RefuseFullAccess(kCommonKey);
    EXPECT_TRUE(Run());
    EXPECT_FALSE(state.bPicturesFolderKnown);
    EXPECT_EQ(state.szGameDirectory.View(), kGameFolder);
    EXPECT_THAT(drives.Queries(), IsEmpty());
}

TEST_F(RunDiscoveryTest, OnlyAnAbsolutePicturesFolderCountsAsRead) {
    struct Case {
        const char* what;
        std::string data;  // the value's raw bytes
        bool read;
    };
    const auto text = [](std::string_view t) { return std::string(t) + '\0'; };
    const Case cases[] = {
        {"folder on a drive", text("C:\\Pics"), true},
        {"lower-case drive, trailing backslash", text("d:\\Kordanex\\Pictures\\"), true},
        {"a drive's root", text("Z:\\"), true},
        {"a share", text("\\\\server\\share"), true},
        {"folder on a share", text("\\\\server\\share\\Pictures"), true},
        {"empty", text(""), false},
        {"REG_DWORD 0", std::string(4, '\0'), false},
        {"REG_DWORD 3", std::string("\3\0\0\0", 4), false},
        {"relative", text("Pics"), false},
        {"the working folder", text("."), false},
        {"above the working folder", text("..\\Pics"), false},
        {"a drive alone", text("C:"), false},
        {"drive-relative", text("C:Pics"), false},
        {"from the current drive's root", text("\\Pics"), false},
        {"not a drive letter", text("1:\\Pics"), false},
        {"a server alone", text("\\\\server"), false},
        {"a server and an empty share", text("\\\\server\\"), false},
        {"no server", text("\\\\\\share"), false},
        {"an empty share before the next name", text("\\\\server\\\\share"), false},
    };
    for (const Case& c : cases) {
        InstalledGame game;
        game.keys.SetValue(kCommonKey, "Pictures", c.data);
        SetupState found;
        int prepared = 0;
        ASSERT_TRUE(RunDiscovery(found, game.Environment(), [&] { ++prepared; })) << c.what;
        EXPECT_EQ(found.bPicturesFolderKnown, c.read) << c.what;
        EXPECT_EQ(found.szPicturesFolder.View(), c.read ? c.data.substr(0, c.data.size() - 1) : "")
            << c.what;
        EXPECT_EQ(prepared, c.read ? 1 : 0) << c.what;
    }
}

TEST_F(RunDiscoveryTest, ProbesTheExecutableInTheFolderThatDirectoryGives) {
    struct Case {
        const char* what;
        std::string directory;
        bool readable;
    };
    const std::string longFolder = "D:\\" + std::string(247, 'l');  // 250 characters
    const Case cases[] = {
        {"Directory ending in a backslash", "D:\\Games\\Velk\\", true},
        {"Directory elsewhere, with its own executable", "E:\\Copy", true},
        {"Directory elsewhere, without one", "E:\\Empty", false},
        {"executable path of 259 characters", longFolder, true},
        {"executable path of 260 characters", longFolder + "m", false},
    };
    for (const Case& c : cases) {
        InstalledGame game;
        game.files.AddFile("E:\\Copy\\Velk.exe", "MZ");
        game.files.AddFolder("E:\\Empty");
        game.files.AddFile(longFolder + "\\Velk.exe", "MZ");
        game.files.AddFile(longFolder + "m\\Velk.exe", "MZ");
        game.keys.SetString(game.kGameKey, "Directory", c.directory);
        SetupState found;
        ASSERT_TRUE(RunDiscovery(found, game.Environment(), [] {})) << c.what;
        EXPECT_EQ(found.bGameExeReadable, c.readable) << c.what;
    }
}

TEST_F(RunDiscoveryTest, AGameInADrivesRootGivesTheFolderItselfToProbe) {
    keys.SetString(kGameKey, "CommandLine", "D:\\Velk.exe");
    files.AddFile("D:\\Velk.exe", "MZ");
    EXPECT_TRUE(Run());
    EXPECT_EQ(state.szGameExeName.View(), "\\");
    EXPECT_FALSE(state.bGameExeReadable);
    EXPECT_EQ(state.nLanguage, Russian);
    EXPECT_EQ(drawingPrepared, 1);
}

TEST(ComputeFreeSpaceTest, MeasuresTheGameDriveInThousandsOfBytes) {
    struct Case {
        const char* what;
        const char* path;
        unsigned driveType;
        std::optional<DiskFreeSpace> space;
        bool driveC;
        const char* text;
        std::vector<std::string> queries;
    };
    const std::vector<std::string> measured = {"DriveType D:\\", "LogicalDrives", "FreeSpace D:\\"};
    const std::vector<std::string> typeOnly = {"DriveType D:\\"};
    const Case cases[] = {
        {"1999 clusters", "D:\\G\\Velk.exe", 3, DiskFreeSpace{8, 512, 1999}, true, "4096",
         measured},
        {"999 clusters", "D:\\G\\Velk.exe", 3, DiskFreeSpace{8, 512, 999}, true, "0", measured},
        {"past 32 bits", "D:\\G\\Velk.exe", 3, DiskFreeSpace{8, 512, 2000000000}, true,
         "8192000000", measured},
        {"largest numbers", "D:\\G\\Velk.exe", 3, DiskFreeSpace{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
         true, "79228157017134606175013175", measured},
        {"lower-case letter",
         "d:\\G\\Velk.exe",
         3,
         DiskFreeSpace{8, 512, 1999},
         true,
         "4096",
         {"DriveType d:\\", "LogicalDrives", "FreeSpace d:\\"}},
        {"no drive C",
         "D:\\G\\Velk.exe",
         3,
         DiskFreeSpace{8, 512, 1999},
         false,
         "0",
         {"DriveType D:\\", "LogicalDrives"}},
        {"query fails", "D:\\G\\Velk.exe", 3, std::nullopt, true, "0", measured},
        {"unknown type", "D:\\G\\Velk.exe", 0, DiskFreeSpace{8, 512, 1999}, true, "4096", measured},
        {"no root", "D:\\G\\Velk.exe", 1, DiskFreeSpace{8, 512, 1999}, true, "0", typeOnly},
        {"removable", "D:\\G\\Velk.exe", 2, DiskFreeSpace{8, 512, 1999}, true, "4096", measured},
        {"remote", "D:\\G\\Velk.exe", 4, DiskFreeSpace{8, 512, 1999}, true, "4096", measured},
        {"CD-ROM", "D:\\G\\Velk.exe", 5, DiskFreeSpace{8, 512, 1999}, true, "0", typeOnly},
        {"RAM disk", "D:\\G\\Velk.exe", 6, DiskFreeSpace{8, 512, 1999}, true, "4096", measured},
        {"type 7", "D:\\G\\Velk.exe", 7, DiskFreeSpace{8, 512, 1999}, true, "0", typeOnly},
    };
    for (const Case& c : cases) {
        MemoryDrives drives;
        if (c.driveC) drives.AddDrive('C', 3, DiskFreeSpace{8, 512, 5000});
        drives.AddDrive('D', c.driveType, c.space);
        SetupState state;
        ComputeFreeSpace(state, drives, c.path);
        EXPECT_EQ(state.strFreeSpace, c.text) << c.what;
        EXPECT_EQ(drives.Queries(), c.queries) << c.what;
    }
}

TEST(ComputeFreeSpaceTest, NeverAsksAboutDrivesAOrB) {
    for (const char* path : {"A:\\Velk.exe", "a:\\Velk.exe", "B:\\Velk.exe", "b:\\Velk.exe"}) {
        MemoryDrives drives;
        for (char letter : {'A', 'B', 'C'}) drives.AddDrive(letter, 2, DiskFreeSpace{8, 512, 9999});
        SetupState state;
        ComputeFreeSpace(state, drives, path);
        EXPECT_EQ(state.strFreeSpace, "0") << path;
        EXPECT_THAT(drives.Queries(), IsEmpty()) << path;
    }
}

}  // namespace
