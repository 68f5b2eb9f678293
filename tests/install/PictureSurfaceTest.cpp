#include <gtest/gtest.h>

#include "install/PictureSurface.h"
#include "tests/support/PictureDib.h"

namespace {

// Index = stored row, so every row has a colour of its own: blue = index,
// green = 2 x index, red = 3 x index.
std::vector<std::byte> RowIndexedDib() {
    return MakePictureDib([](int i) { return std::uint32_t((3 * i) << 16 | (2 * i) << 8 | i); },
                          [](int row, int) { return std::uint8_t(row); });
}

TEST(PictureSurface, AnswersTheExactColourTableEntryRedInTheLowestByte) {
    PictureSurface surface;
    surface.Create();
    const std::vector<std::byte> dib =
        MakePictureDib([](int i) { return i == 7 ? 0x1E140Au : 0u; },  // red 30, green 20, blue 10
                       [](int, int x) { return std::uint8_t(x == 0 ? 7 : 0); });
    ASSERT_TRUE(surface.MakeCurrent(dib));
    EXPECT_EQ(surface.GetPixel(0, 0), 0x0A141Eu);
    EXPECT_EQ(surface.GetPixel(0, 47), 0x0A141Eu);
    EXPECT_EQ(surface.GetPixel(1, 0), 0u);
}

TEST(PictureSurface, TopRowComesFromTheLastStoredRow) {
    PictureSurface surface;
    surface.Create();
    const std::vector<std::byte> dib = RowIndexedDib();
    ASSERT_TRUE(surface.MakeCurrent(dib));
    EXPECT_EQ(surface.GetPixel(5, 0) & 0xFF0000, 47u << 16);
    EXPECT_EQ(surface.GetPixel(911, 47) & 0xFF0000, 0u);
}

TEST(PictureSurface, ThumbnailIsTheTopLeftSquareAsDeviceIndependentPixels) {
    PictureSurface surface;
    surface.Create();
    const std::vector<std::byte> dib = RowIndexedDib();
    ASSERT_TRUE(surface.MakeCurrent(dib));
    const PictureSurface::Thumbnail thumbnail = surface.ThumbnailPixels();
    EXPECT_EQ(thumbnail[0], 0x8D5E2Fu);             // stored row 47: red 141, green 94, blue 47
    EXPECT_EQ(thumbnail[27 * 48 + 47], 0x3C2814u);  // pixel (47, 27): stored row 20
}

TEST(PictureSurface, RefusesWhatIsNotSuchAPictureAndDropsThePreviousOne) {
    struct Case {
        const char* what;
        std::size_t offset;
        std::byte value;
    };
    const Case cases[] = {
        {"width 913", 4, std::byte{0x91}}, {"top-down", 11, std::byte{0xFF}},
        {"4 bits", 14, std::byte{4}},      {"compressed", 16, std::byte{1}},
        {"16 colours", 32, std::byte{16}},
    };
    PictureSurface surface;
    surface.Create();
    const std::vector<std::byte> good = RowIndexedDib();
    for (const Case& c : cases) {
        ASSERT_TRUE(surface.MakeCurrent(good));
        std::vector<std::byte> dib = good;
        dib[c.offset] = c.value;
        EXPECT_FALSE(surface.MakeCurrent(dib)) << c.what;
        EXPECT_FALSE(surface.HasPicture()) << c.what;
    }
    std::vector<std::byte> truncated = good;
    truncated.pop_back();
    EXPECT_FALSE(surface.MakeCurrent(truncated));
    EXPECT_FALSE(surface.MakeCurrent({}));
}

TEST(PictureSurface, HoldsNothingBeforeCreateAndAfterRelease) {
    PictureSurface surface;
    const std::vector<std::byte> dib = RowIndexedDib();
    EXPECT_FALSE(surface.MakeCurrent(dib));
    surface.Create();
    EXPECT_TRUE(surface.MakeCurrent(dib));
    surface.Release();
    EXPECT_FALSE(surface.HasPicture());
    EXPECT_FALSE(surface.MakeCurrent(dib));
}

}  // namespace
