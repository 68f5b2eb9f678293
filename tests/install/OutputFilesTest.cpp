#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/OutputFiles.h"
#include "platform/inproc/MemoryFileSystem.h"

namespace {

std::span<const std::byte> Bytes(const std::string& text) { return std::as_bytes(std::span(text)); }

class OutputFilesTest : public testing::Test {
protected:
    OutputFilesTest() { files.AddFolder("D:\\Pics"); }

    WriteResult Write(std::string_view name, const std::string& data,
                      std::string_view folder = "D:\\Pics") {
        return WriteOutputFile({files, folder}, name, Bytes(data));
    }

    MemoryFileSystem files;
};

TEST_F(OutputFilesTest, CreatesAMissingFileWithExactlyTheBytes) {
    EXPECT_EQ(Write("c0009.txt", "abc").status, WriteStatus::Written);
    EXPECT_EQ(files.Contents("D:\\Pics\\c0009.txt"), "abc");
}

TEST_F(OutputFilesTest, OverwritesAnExistingFileInPlaceKeepingALongerTail) {
    files.AddFile("D:\\Pics\\c0009.txt", std::string(400, 'x'));
    EXPECT_EQ(Write("c0009.txt", std::string(336, 'n')).status, WriteStatus::Written);
    EXPECT_EQ(files.Contents("D:\\Pics\\c0009.txt"), std::string(336, 'n') + std::string(64, 'x'));
}

TEST_F(OutputFilesTest, AFolderEndingInABackslashGivesTwoSeparatorsThatReadAsOne) {
    EXPECT_EQ(Write("c0009.txt", "abc", "D:\\Pics\\").status, WriteStatus::Written);
    EXPECT_EQ(files.Contents("D:\\Pics\\c0009.txt"), "abc");
}

TEST_F(OutputFilesTest, SkipsAFileThatCannotBeOpenedAndLeavesItUnchanged) {
    struct Case {
        const char* what;
        void (MemoryFileSystem::*lock)(std::string_view);
    };
    for (const Case& c : {Case{"read-only", &MemoryFileSystem::SetReadOnly},
                          Case{"held open", &MemoryFileSystem::HoldOpen}}) {
        files.AddFile("D:\\Pics\\pi0070velk", "old");
        (files.*c.lock)("D:\\Pics\\pi0070velk");
        EXPECT_EQ(Write("pi0070velk", "new").status, WriteStatus::Skipped) << c.what;
        EXPECT_EQ(files.Contents("D:\\Pics\\pi0070velk"), "old") << c.what;
    }
}

TEST_F(OutputFilesTest, SkipsAFolderThatDoesNotExist) {
    EXPECT_EQ(Write("c0009.txt", "abc", "D:\\Missing").status, WriteStatus::Skipped);
    EXPECT_FALSE(files.Contents("D:\\Missing\\c0009.txt"));
}

TEST_F(OutputFilesTest, RefusesAPathLongerThan259Characters) {
    const std::string name = "c0009.txt";
    const std::string fits(259 - name.size() - 1, 'f');
    files.AddFolder(fits);
    files.AddFolder(fits + "g");
    EXPECT_EQ(Write(name, "abc", fits).status, WriteStatus::Written);
    EXPECT_EQ(Write(name, "abc", fits + "g").status, WriteStatus::Skipped);
}

TEST_F(OutputFilesTest, AShortWriteOrAFailedCloseFailsWithTheSystemsMessageAndKeepsWhatArrived) {
    struct Case {
        const char* what;
        void (*fault)(MemoryFileSystem&);
        std::string message;
        std::string kept;
    };
    const Case cases[] = {
        {"short write",
         [](MemoryFileSystem& f) {
             f.FailWritesAfter(2, "There is not enough space on the disk.");
         },
         "There is not enough space on the disk.", "ab"},
        {"failed close",
         [](MemoryFileSystem& f) {
             f.FailCloseOf("D:\\Pics\\c0009.txt",
                           "The specified network name is no longer available.");
         },
         "The specified network name is no longer available.", "abc"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem fresh;
        fresh.AddFolder("D:\\Pics");
        c.fault(fresh);
        const WriteResult result = WriteOutputFile({fresh, "D:\\Pics"}, "c0009.txt", Bytes("abc"));
        EXPECT_EQ(result.status, WriteStatus::Failed) << c.what;
        EXPECT_EQ(result.systemMessage, c.message) << c.what;
        EXPECT_EQ(fresh.Contents("D:\\Pics\\c0009.txt"), c.kept) << c.what;
    }
}

TEST_F(OutputFilesTest, AnExistingFileKeepsItsNameAndANewOneIsNamedAsJoined) {
    files.AddFile("D:\\Pics\\C0009.TXT", "old");
    EXPECT_EQ(Write("c0009.txt", "abc").status, WriteStatus::Written);
    EXPECT_EQ(Write("pi0070velk", "abc", "D:\\PICS\\").status, WriteStatus::Written);
    EXPECT_EQ(files.FileNames(),
              (std::vector<std::string>{"D:\\Pics\\C0009.TXT", "D:\\Pics\\pi0070velk"}));
    EXPECT_EQ(files.Contents("d:\\pics\\c0009.txt"), "abc");
}

}  // namespace
