#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "DibFields.h"
#include "res/EmbeddedResources.h"

namespace {

constexpr std::size_t kTable = 40;
constexpr std::size_t kPixels = kTable + 256 * 4;

std::vector<std::uint16_t> PictureIds() {
    std::vector<std::uint16_t> ids;
    for (std::uint16_t id = 749; id <= 833; ++id)
        if (id != 769) ids.push_back(id);
    return ids;
}

TEST(EmbeddedPictures, EveryPictureIsA912By48EightBitDibWithAFullColourTable) {
    for (std::uint16_t id : PictureIds()) {
        SCOPED_TRACE(id);
        const auto dib = EmbeddedResources().Bitmap(id);
        ASSERT_EQ(dib.size(), 44840u);
        const DibFields f = ReadDibFields(dib);
        EXPECT_EQ(f.headerSize, 40u);
        EXPECT_EQ(f.width, 912u);
        EXPECT_EQ(f.height, 48u);  // positive: rows stored bottom-up
        EXPECT_EQ(f.planes, 1);
        EXPECT_EQ(f.bitsPerPixel, 8);
        EXPECT_EQ(f.compression, 0u);
        EXPECT_EQ(f.imageSize, 43776u);
        EXPECT_EQ(f.coloursUsed, 0u);
        EXPECT_EQ(f.coloursImportant, 0u);
        for (std::size_t entry = 0; entry < 256; ++entry)
            ASSERT_EQ(dib[kTable + 4 * entry + 3], std::byte{0}) << "entry " << entry;
    }
}

TEST(EmbeddedPictures, NoTwoPicturesShareAColourTable) {
    std::set<std::string> tables;
    for (std::uint16_t id : PictureIds()) {
        const auto dib = EmbeddedResources().Bitmap(id);
        ASSERT_EQ(dib.size(), 44840u) << id;
        const auto table = dib.subspan(kTable, kPixels - kTable);
        EXPECT_TRUE(
            tables.emplace(reinterpret_cast<const char*>(table.data()), table.size()).second)
            << id;
    }
}

// The game shows the 19 squares of a strip as different tiles; the first
// one is also the setup's thumbnail, so it must not be blank either.
TEST(EmbeddedPictures, TheNineteenSquaresOfAStripDifferAndNoneIsBlank) {
    for (std::uint16_t id : PictureIds()) {
        SCOPED_TRACE(id);
        const auto pixels = EmbeddedResources().Bitmap(id).subspan(kPixels);
        std::set<std::string> squares;
        for (std::size_t square = 0; square < 19; ++square) {
            std::string indexes;
            for (std::size_t row = 0; row < 48; ++row)
                for (std::size_t x = 0; x < 48; ++x)
                    indexes += static_cast<char>(pixels[row * 912 + square * 48 + x]);
            EXPECT_GT(std::set<char>(indexes.begin(), indexes.end()).size(), 16u) << square;
            squares.insert(indexes);
        }
        EXPECT_EQ(squares.size(), 19u);
    }
}

TEST(EmbeddedPictures, IdsOutsideThePicturesAndTheSidePictureAnswerNothing) {
    for (std::uint16_t id : {0, 1, 128, 212, 214, 748, 769, 834, 65535}) {
        EXPECT_TRUE(EmbeddedResources().Bitmap(static_cast<std::uint16_t>(id)).empty()) << id;
    }
}

TEST(EmbeddedSidePicture, Is259By444EightBitWith31Colours) {
    const auto dib = EmbeddedResources().Bitmap(213);
    constexpr std::size_t kRowBytes = 260;  // 259 padded to a multiple of four
    ASSERT_EQ(dib.size(), 40 + 31 * 4 + kRowBytes * 444);
    const DibFields f = ReadDibFields(dib);
    EXPECT_EQ(f.headerSize, 40u);
    EXPECT_EQ(f.width, 259u);
    EXPECT_EQ(f.height, 444u);
    EXPECT_EQ(f.planes, 1);
    EXPECT_EQ(f.bitsPerPixel, 8);
    EXPECT_EQ(f.compression, 0u);
    EXPECT_EQ(f.coloursUsed, 31u);
    const auto pixels = dib.subspan(40 + 31 * 4);
    for (std::size_t row = 0; row < 444; ++row) {
        const auto used = pixels.subspan(row * kRowBytes, 259);
        ASSERT_TRUE(
            std::all_of(used.begin(), used.end(), [](std::byte b) { return b < std::byte{31}; }))
            << "row " << row;
    }
}

TEST(EmbeddedIcon, IsOne32By32SixteenColourImageWithItsMask) {
    const auto image = EmbeddedIconImage();
    // Header, 16 colours, 32 rows of 16 bytes of colour, 32 rows of 4 bytes of mask.
    ASSERT_EQ(image.size(), 40u + 64 + 512 + 128);
    const DibFields f = ReadDibFields(image);
    EXPECT_EQ(f.headerSize, 40u);
    EXPECT_EQ(f.width, 32u);
    EXPECT_EQ(f.height, 64u);  // colour image and mask stacked
    EXPECT_EQ(f.planes, 1);
    EXPECT_EQ(f.bitsPerPixel, 4);
    EXPECT_EQ(f.compression, 0u);
}

}  // namespace
