// The free-space arithmetic at its extremes. The same table runs in the
// native tests and, under Wine, in the Win32 tests of both Windows builds.
#include <gtest/gtest.h>

#include "discovery/FreeSpaceDigits.h"

namespace {

TEST(FreeSpaceDigitsTest, IsExactForEveryThirtyTwoBitInput) {
    struct Case {
        DiskFreeSpace space;  // sectors per cluster, bytes per sector, free clusters
        const char* digits;
    };
    const Case cases[] = {
        {{0, 0, 0}, "0"},
        {{0xFFFFFFFF, 0xFFFFFFFF, 999}, "0"},
        {{0xFFFFFFFF, 0xFFFFFFFF, 0}, "0"},
        {{0, 0xFFFFFFFF, 0xFFFFFFFF}, "0"},
        {{1, 1, 1000}, "1"},
        {{8, 512, 1999}, "4096"},
        {{999999999, 1, 1000}, "999999999"},
        {{1000000000, 1, 1000}, "1000000000"},
        {{65537, 1, 65535000}, "4294967295"},
        {{65536, 65536, 1000}, "4294967296"},
        {{1000000000, 1000000000, 1000}, "1000000000000000000"},
        {{1000000000, 1000000000, 1999}, "1000000000000000000"},
        {{0xFFFFFFFF, 6700417, 641000}, "18446744073709551615"},
        {{2097152, 2097152, 4194304000}, "18446744073709551616"},
        {{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}, "79228157017134606175013175"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FreeSpaceDigits(c.space), c.digits)
            << c.space.freeClusters << " clusters of " << c.space.sectorsPerCluster << " x "
            << c.space.bytesPerSector << " bytes";
    }
}

}  // namespace
