#include <gtest/gtest.h>

#include "install/NumberText.h"

TEST(NumberText, PadsPictureNumbersToFourAndCategoriesToTwo) {
    struct Case {
        std::int32_t number;
        const char* fourDigits;
        const char* twoDigits;
    };
    const Case cases[] = {
        {0, "0000", "00"},    {5, "0005", "05"},      {9, "0009", "09"},
        {11, "0011", "11"},   {70, "0070", "70"},     {123, "0123", "123"},
        {170, "0170", "170"}, {1176, "1176", "1176"}, {12345, "12345", "12345"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatPictureNumber(c.number), c.fourDigits) << c.number;
        EXPECT_EQ(FormatTwoDigits(c.number), c.twoDigits) << c.number;
    }
}
