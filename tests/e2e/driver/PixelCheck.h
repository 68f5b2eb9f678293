#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/driver/Image.h"
#include "tests/e2e/driver/Report.h"

// One check of what the screen shows: `miss` names the first pixel that
// failed it and what it showed, and is empty when it passed.
struct PixelCheck {
    std::string what;
    std::string miss;
};
using PixelChecks = std::vector<PixelCheck>;

bool AllPassed(const PixelChecks& checks);
// Each check reported, its name after `screen`, the screen it was made on.
void ReportChecks(const PixelChecks& checks, std::string_view screen, Report& report);
// "pixel (x,y) is (r,g,b)", for a miss.
std::string PixelShown(int x, int y, Rgb colour);
// The first pixel of `shown` at (left, top) that differs from `expected`,
// with the count of differing pixels; empty when they are equal.
template <typename Screen>
std::string FirstDifference(const Screen& shown, int left, int top, const Image& expected) {
    int differing = 0;
    std::string first;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const Rgb seen = shown.At(left + x, top + y);
            if (seen == expected.At(x, y)) continue;
            if (differing++ == 0) {
                first =
                    PixelShown(left + x, top + y, seen) + ", expected " + Shown(expected.At(x, y));
            }
        }
    }
    if (differing == 0) return {};
    return first + "; " + std::to_string(differing) + " pixels differ";
}
