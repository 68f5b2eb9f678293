#include <gtest/gtest.h>

#include "install/PictureEncoder.h"
#include "platform/inproc/MemoryFileSystem.h"
#include "tests/support/PictureDib.h"

namespace {

// Index = x mod 256 on every row but the first stored one (the bottom row),
// which uses 255 - x mod 256; colour i is red i, green i ^ 0x55, blue 255 - i.
std::uint32_t Colour(int i) { return std::uint32_t(i << 16 | (i ^ 0x55) << 8 | (255 - i)); }

class PictureEncoderTest : public testing::Test {
protected:
    PictureEncoderTest() {
        files.AddFolder("D:\\Pics");
        surface.Create();
        surface.MakeCurrent(dib);
    }
    const std::vector<std::byte> dib = MakePictureDib(
        Colour, [](int row, int x) { return std::uint8_t(row == 0 ? 255 - x % 256 : x % 256); });
    MemoryFileSystem files;
    PictureSurface surface;
};

TEST_F(PictureEncoderTest, LaysOutRedGreenBluePlanesTopRowFirst) {
    ASSERT_EQ(EncodePicture(surface, {files, "D:\\Pics"}, "0070").status, WriteStatus::Written);
    const std::string file = *files.Contents("D:\\Pics\\pi0070velk");
    ASSERT_EQ(file.size(), 131328u);
    struct Case {
        int x, y;
    };
    for (const Case c : {Case{0, 0}, Case{911, 47}, Case{300, 46}, Case{300, 47}, Case{17, 20}}) {
        const int index = c.y == 47 ? 255 - c.x % 256 : c.x % 256;
        const std::uint32_t colour = Colour(index);
        const std::size_t at = std::size_t(912 * c.y + c.x);
        EXPECT_EQ(file[at], char(colour >> 16)) << c.x << "," << c.y;
        EXPECT_EQ(file[43776 + at], char(colour >> 8)) << c.x << "," << c.y;
        EXPECT_EQ(file[87552 + at], char(colour)) << c.x << "," << c.y;
    }
}

TEST_F(PictureEncoderTest, WritesTheFileUnderItsNumberedName) {
    EXPECT_EQ(EncodePicture(surface, {files, "D:\\Pics"}, "1176").status, WriteStatus::Written);
    const auto written = files.Contents("D:\\Pics\\pi1176velk");
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 131328u);
}

TEST_F(PictureEncoderTest, WritesNothingWithoutAPicture) {
    PictureSurface empty;
    empty.Create();
    EXPECT_EQ(EncodePicture(empty, {files, "D:\\Pics"}, "0070").status, WriteStatus::Skipped);
    EXPECT_FALSE(files.Contents("D:\\Pics\\pi0070velk"));
}

}  // namespace
