#pragma once

#include <optional>
#include <string>

#include "tests/e2e/driver/Image.h"

// Images the driver draws itself with GDI, to hold against the screen.

// The top-left 48 x 48 square of a picture stretched to 37 x 37 with
// StretchBlt in the surface's default stretching mode.
Image StretchedThumbnail(const Image& picture);

// An icon file's 32 x 32 image drawn on white, as a static icon control on a
// white dialog shows it.
std::optional<Image> IconOnWhite(const std::wstring& icoPath);
