#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/Image.h"
#include "tests/e2e/driver/Report.h"

// What the driver holds the screen and the files against, made here from the
// program's source images: res/side.bmp, res/setup.ico and res/pictures.
struct References {
    Image side;
    Image icon;
    std::vector<Image> pictures;    // in the order they are installed
    std::vector<Image> thumbnails;  // one per picture, as the grid shows it
};

// `bitmapFolder` is res/pictures; the other two images lie in its parent.
std::optional<References> LoadReferences(const std::wstring& bitmapFolder, Report& report);
