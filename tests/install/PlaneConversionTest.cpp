#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "install/InstallPlan.h"
#include "install/PlaneConversion.h"
#include "res/EmbeddedResources.h"
#include "tests/support/PictureDib.h"

namespace {

constexpr ConversionPath kPaths[] = {ConversionPath::Portable, ConversionPath::Vbmi};

std::string Converted(std::span<const std::byte> dib, ConversionPath path) {
    std::string planes(131328, '\0');
    ConvertToPlanes(dib.subspan(40, 1024), dib.subspan(1064, 43776),
                    std::as_writable_bytes(std::span(planes)), path);
    return planes;
}

// Runs the check for every path this processor can run; the others are named.
template <typename Check>
void ForEveryPath(Check check) {
    for (const ConversionPath path : kPaths) {
        if (!CanRun(path)) {
            std::printf("conversion path %d cannot run on this processor\n", int(path));
            continue;
        }
        SCOPED_TRACE(testing::Message() << "path " << int(path));
        check(path);
    }
}

TEST(PlaneConversion, EveryPathGivesTheFileOfEveryEmbeddedPicture) {
    ForEveryPath([](ConversionPath path) {
        for (int category = 0; category < kCategoryCount; ++category) {
            for (int position = 0; position < kPicturesPerCategory; ++position) {
                const auto dib = EmbeddedResources().Bitmap(PictureResourceId(category, position));
                EXPECT_TRUE(Converted(dib, path) == ExpectedPictureFile(dib))
                    << PictureResourceId(category, position);
            }
        }
    });
}

// Every entry distinct in every plane, and every index in every column, the
// last columns of a row included.
TEST(PlaneConversion, EveryPathLooksUpAll256DistinctEntriesAtEveryColumn) {
    const std::vector<std::byte> dib = MakePictureDib(
        [](int i) { return std::uint32_t(i << 16 | (255 - i) << 8 | (7 * i) % 256); },
        [](int row, int x) { return std::uint8_t(x + 37 * row); });
    ForEveryPath([&](ConversionPath path) {
        const std::string planes = Converted(dib, path);
        const std::string expected = ExpectedPictureFile(dib);
        for (std::size_t at = 0; at < expected.size(); ++at) {
            ASSERT_EQ(planes[at], expected[at]) << "byte " << at;
        }
    });
}

TEST(PlaneConversion, TheFastestPathThisProcessorRunsIsTheOneUsed) {
    EXPECT_TRUE(CanRun(ConversionPath::Portable));
    const ConversionPath expected =
        CanRun(ConversionPath::Vbmi) ? ConversionPath::Vbmi : ConversionPath::Portable;
    EXPECT_EQ(FastestPath(), expected);
}

}  // namespace
