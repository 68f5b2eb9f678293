#pragma once

#include <windows.h>

#include "tests/e2e/driver/Image.h"

// An off-screen 32-bit surface of the given size, filled from `image` when
// it is given, white otherwise.
class OffscreenSurface {
public:
    OffscreenSurface(int width, int height, const Image* image);
    ~OffscreenSurface();
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    HDC dc() const { return dc_; }
    Image Pixels() const;

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    unsigned char* bits_ = nullptr;  // blue, green, red, unused
};
