#include <gtest/gtest.h>

#include <string>

#include "discovery/Probes.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/support/PathSpellings.h"
#include "tests/win32/TempFolder.h"

namespace {

std::span<const std::byte> Bytes(std::string_view text) { return std::as_bytes(std::span(text)); }

class Win32FileSystemTest : public testing::Test {
protected:
    TempFolder folder;
    Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, ProbesOnlyFilesThatOpenForReadingWithoutSharing) {
    const std::string executable = folder.Write("Velk.exe", "MZ");
    const std::string empty = folder.Write("empty.txt", "");
    const std::string held = folder.Write("held.exe", "MZ");
    const std::string games = folder.CreateFolder("Games");
    const HeldFile other(held);
    struct Case {
        std::string path;
        std::size_t count;
        bool probed;
    };
    const Case cases[] = {
        {executable, 1, true},
        {executable, 2, true},
        {executable, 3, false},
        {empty, 1, false},
        {empty, 0, true},
        {held, 1, false},
        {held, 0, false},
        {games, 0, false},
        {games + "\\", 0, false},
        {executable + "\\", 1, false},
        {folder / "missing.exe", 0, false},
        {folder.path() + "\\\\Velk.exe", 1, true},  // repeated separators read as one
        {folder / "nul", 0, false},                 // a device, not a file
        {executable + std::string("\0.txt", 5), 1, false},
    };
    for (const Case& c : cases) {
        std::string text = "untouched";
        EXPECT_EQ(ProbeFile(files, text, c.path, c.count), c.probed) << c.path << ", " << c.count;
        if (c.probed) {
            EXPECT_EQ(text, std::string("MZ").substr(0, c.count));
        }
    }
}

// The process's current folder for one test.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& path) {
        GetCurrentDirectoryA(MAX_PATH, previous_);
        EXPECT_TRUE(SetCurrentDirectoryA(path.c_str())) << path;
    }
    ~CurrentFolder() { SetCurrentDirectoryA(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    char previous_[MAX_PATH] = {};
};

TEST_F(Win32FileSystemTest, FindsTheFileWhereverItsPathLeads) {
    folder.Write("c0009.txt", "MZ");
    folder.CreateFolder("Other");
    const CurrentFolder current(folder.path());
    for (const PathSpelling& spelling : SpellingsOfAFileIn(folder.path())) {
        std::string probed;
        EXPECT_EQ(ProbeFile(files, probed, spelling.path, 2), spelling.sameFile)
            << spelling.what << ": " << spelling.path;
        if (spelling.sameFile) {
            EXPECT_EQ(probed, "MZ") << spelling.what;
        }
    }
}

// The name a file has in its folder, as the folder lists it.
std::string ListedName(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return "(missing)";
    FindClose(search);
    return found.cFileName;
}

TEST_F(Win32FileSystemTest, AnExistingFileKeepsItsNameAndANewOneIsNamedAsJoined) {
    folder.Write("C0009.TXT", "old");
    for (const std::string& path : {folder / "c0009.txt", folder.path() + "\\\\pi0070velk"}) {
        std::unique_ptr<File> file = files.Open(path, OpenMode::WriteOrCreate);
        ASSERT_TRUE(file) << path;
        EXPECT_TRUE(file->Write(Bytes("abc")));
        EXPECT_TRUE(file->Close());
    }
    EXPECT_EQ(ListedName(folder / "c0009.txt"), "C0009.TXT");
    EXPECT_EQ(ListedName(folder / "PI0070VELK"), "pi0070velk");
    EXPECT_EQ(folder.Read("c0009.txt"), "abc");
}

TEST_F(Win32FileSystemTest, AnOpenFileIsSharedWithNobodyUntilItCloses) {
    const std::string executable = folder.Write("Velk.exe", "MZ");
    std::unique_ptr<File> first = files.Open(executable, OpenMode::ReadExisting);
    ASSERT_TRUE(first);
    EXPECT_FALSE(files.Open(executable, OpenMode::ReadExisting));
    EXPECT_FALSE(files.Open(executable, OpenMode::WriteOrCreate));
    EXPECT_TRUE(first->Close());
    EXPECT_TRUE(first->Close());  // closing twice is harmless
    EXPECT_TRUE(files.Open(executable, OpenMode::ReadExisting));
}

TEST_F(Win32FileSystemTest, WritesAnExistingFileInPlaceKeepingALongerTailOrCreatesAMissingOne) {
    folder.Write("c0009.txt", std::string(10, 'x'));
    const std::string hidden = folder.Write("c0109.txt", std::string(10, 'x'));
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    struct Case {
        const char* name;
        const char* after;
    };
    for (const Case c : {Case{"c0009.txt", "nnnnxxxxxx"}, Case{"c0109.txt", "nnnnxxxxxx"},
                         Case{"missing.txt", "nnnn"}}) {
        std::unique_ptr<File> file = files.Open(folder / c.name, OpenMode::WriteOrCreate);
        ASSERT_TRUE(file) << c.name;
        EXPECT_TRUE(file->Write(Bytes("nnnn")));
        EXPECT_TRUE(file->Close());
        EXPECT_EQ(folder.Read(c.name), c.after);
    }
    EXPECT_FALSE(files.Open(folder / "Missing\\pi0070velk", OpenMode::WriteOrCreate));
}

TEST_F(Win32FileSystemTest, RefusesToWriteAReadOnlyOrHeldFileOrAFolder) {
    const std::string readOnly = folder.Write("readonly.txt", "old");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string held = folder.Write("held.txt", "old");
    const HeldFile other(held);
    const std::string games = folder.CreateFolder("Games");
    for (const std::string& path : {readOnly, held, games}) {
        EXPECT_FALSE(files.Open(path, OpenMode::WriteOrCreate)) << path;
    }
    EXPECT_TRUE(files.Open(readOnly, OpenMode::ReadExisting));
    EXPECT_EQ(folder.Read("readonly.txt"), "old");
}

TEST_F(Win32FileSystemTest, ARefusedReadOrWriteGivesTheSystemsMessage) {
    const std::string file = folder.Write("c0009.txt", "abc");
    {
        std::unique_ptr<File> writing = files.Open(file, OpenMode::WriteOrCreate);
        ASSERT_TRUE(writing);
        std::array<std::byte, 3> data{};
        std::size_t count = 7;
        const IoStatus read = writing->Read(data, count);
        EXPECT_FALSE(read);
        EXPECT_FALSE(read.systemMessage.empty());
        EXPECT_EQ(count, 0u);
    }
    std::unique_ptr<File> reading = files.Open(file, OpenMode::ReadExisting);
    ASSERT_TRUE(reading);
    const IoStatus written = reading->Write(Bytes("x"));
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.systemMessage.empty());
    EXPECT_EQ(written.systemMessage.find_first_of("\r\n"), std::string::npos);
}

}  // namespace
