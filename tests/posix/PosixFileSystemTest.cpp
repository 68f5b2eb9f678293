#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/posix/PosixFileSystem.h"

namespace {

namespace fs = std::filesystem;

// The benchmark's floor writes the way the installation does only if these hold.
class PosixFileSystemTest : public testing::Test {
protected:
    PosixFileSystemTest() { fs::create_directories(folder); }
    ~PosixFileSystemTest() override { fs::remove_all(folder); }

    void Put(const char* name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string Get(const char* name) const {
        std::ostringstream bytes;
        bytes << std::ifstream(folder / name, std::ios::binary).rdbuf();
        return bytes.str();
    }
    // With the backslash the program joins its paths with.
    std::string PathOf(const char* name) const { return folder.string() + "\\" + name; }

    const fs::path folder =
        fs::path(testing::TempDir()) / ("plexaru_posix_files." + std::to_string(getpid()));
    PosixFileSystem files;
};

TEST_F(PosixFileSystemTest, WritesAnExistingFileInPlaceKeepingALongerTailOrCreatesAMissingOne) {
    Put("c0009.txt", std::string(10, 'x'));
    struct Case {
        const char* name;
        const char* after;
    };
    for (const Case c : {Case{"c0009.txt", "nnnnxxxxxx"}, Case{"missing.txt", "nnnn"}}) {
        std::unique_ptr<File> file = files.Open(PathOf(c.name), OpenMode::WriteOrCreate);
        ASSERT_TRUE(file) << c.name;
        EXPECT_TRUE(file->Write(std::as_bytes(std::span(std::string_view("nnnn")))));
        EXPECT_TRUE(file->Close());
        EXPECT_EQ(Get(c.name), c.after);
    }
    EXPECT_FALSE(files.Open(PathOf("Missing\\pi0070velk"), OpenMode::WriteOrCreate));
}

}  // namespace
