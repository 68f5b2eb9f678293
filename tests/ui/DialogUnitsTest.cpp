#include <gtest/gtest.h>

#include "platform/DialogUnits.h"

namespace {

struct UnitsCase {
    int x, y, width, height;
    Rect pixels;
};

class DialogUnitsTest : public testing::TestWithParam<UnitsCase> {};

TEST_P(DialogUnitsTest, EachEdgeRoundsToTheNearestPixel) {
    const UnitsCase& c = GetParam();
    EXPECT_EQ(DialogUnitsToPixels(c.x, c.y, c.width, c.height), c.pixels);
}

// The two templates' controls and sizes, with the pixels the layout needs.
INSTANTIATE_TEST_SUITE_P(Templates, DialogUnitsTest,
                         testing::Values(UnitsCase{215, 185, 50, 14, {323, 301, 398, 323}},
                                         UnitsCase{274, 185, 50, 14, {411, 301, 486, 323}},
                                         UnitsCase{194, 97, 218, 24, {291, 158, 618, 197}},
                                         UnitsCase{194, 121, 218, 9, {291, 197, 618, 211}},
                                         UnitsCase{194, 139, 210, 9, {291, 226, 606, 241}},
                                         UnitsCase{194, 157, 80, 9, {291, 255, 411, 270}},
                                         UnitsCase{292, 121, 120, 24, {438, 197, 618, 236}},
                                         UnitsCase{194, 157, 83, 12, {291, 255, 416, 275}},
                                         UnitsCase{1, 0, 173, 274, {2, 0, 261, 445}},
                                         UnitsCase{333, 185, 50, 14, {500, 301, 575, 323}},
                                         UnitsCase{193, 29, 94, 39, {290, 47, 431, 111}},
                                         UnitsCase{0, 0, 419, 279, {0, 0, 629, 453}},
                                         UnitsCase{11, 17, 20, 20, {17, 28, 47, 60}},
                                         UnitsCase{40, 10, 132, 8, {60, 16, 258, 29}},
                                         UnitsCase{40, 26, 137, 8, {60, 42, 266, 55}},
                                         UnitsCase{193, 10, 50, 14, {290, 16, 365, 39}},
                                         UnitsCase{40, 42, 126, 8, {60, 68, 249, 81}},
                                         UnitsCase{0, 0, 253, 66, {0, 0, 380, 107}}));

}  // namespace
