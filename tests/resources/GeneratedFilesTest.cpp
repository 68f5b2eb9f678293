#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "res/EmbeddedResources.h"
#include "tools/picture_generator/Generator.h"

namespace {

namespace fs = std::filesystem;

const fs::path kCheckedIn = RES_FOLDER;

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::set<std::string> FilesUnder(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            names.insert(fs::relative(entry.path(), folder).generic_string());
    return names;
}

// A folder of this process's own under the temporary folder, which other runs
// on the machine share; removed with what it holds.
class OwnTempFolder {
public:
    OwnTempFolder() {
        std::string pattern =
            (fs::path(testing::TempDir()) / "plexaru_generated_res.XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~OwnTempFolder() {
        if (!path_.empty()) fs::remove_all(path_);
    }
    OwnTempFolder(const OwnTempFolder&) = delete;
    OwnTempFolder& operator=(const OwnTempFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// The pictures are data made by a program; what is checked in must be what
// the program makes today, or a change to it was not regenerated.
TEST(GeneratedFiles, CheckedInFilesAreWhatTheGeneratorWritesNow) {
    const OwnTempFolder folder;
    ASSERT_FALSE(folder.path().empty()) << "no folder of its own under " << testing::TempDir();
    const fs::path& fresh = folder.path();
    picgen::GenerateResources(fresh);
    const auto names = FilesUnder(fresh);
    ASSERT_EQ(names.size(), 87u);  // 84 pictures, side picture, icon, script
    for (const std::string& name : names) {
        ASSERT_TRUE(fs::exists(kCheckedIn / name)) << name << " is not checked in";
        EXPECT_TRUE(ReadFile(kCheckedIn / name) == ReadFile(fresh / name)) << name << " differs";
    }
    std::set<std::string> stale;
    for (const std::string& name : FilesUnder(kCheckedIn / "pictures"))
        if (!names.contains("pictures/" + name)) stale.insert(name);
    EXPECT_TRUE(stale.empty()) << "pictures/ holds files the generator no longer writes";
}

// What the program reads must be the checked-in files without file header.
TEST(GeneratedFiles, EmbeddedBitmapsAreTheFilesWithoutTheirFileHeader) {
    std::vector<std::pair<std::uint16_t, fs::path>> bitmaps = {{213, kCheckedIn / "side.bmp"}};
    for (int picture = 0; picture < picgen::kPictureCount; ++picture)
        bitmaps.emplace_back(picgen::PictureResourceId(picture),
                             kCheckedIn / "pictures" / picgen::PictureFileName(picture));
    for (const auto& [id, path] : bitmaps) {
        const std::string file = ReadFile(path);
        const auto dib = EmbeddedResources().Bitmap(id);
        ASSERT_EQ(dib.size() + 14, file.size()) << id;
        EXPECT_TRUE(std::equal(dib.begin(), dib.end(), file.begin() + 14, [](std::byte a, char b) {
            return a == std::byte(b);
        })) << id;
    }
}

}  // namespace
