#include <gtest/gtest.h>

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

// The pictures are data made by a program; what is checked in must be what
// the program makes today, or a change to it was not regenerated.
TEST(GeneratedFiles, CheckedInFilesAreWhatTheGeneratorWritesNow) {
    const fs::path fresh = fs::path(testing::TempDir()) / "plexaru_generated_res";
    fs::remove_all(fresh);
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
    fs::remove_all(fresh);
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
