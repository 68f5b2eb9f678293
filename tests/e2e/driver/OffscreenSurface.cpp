#include "tests/e2e/driver/OffscreenSurface.h"

OffscreenSurface::OffscreenSurface(int width, int height, const Image* image)
    : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    if (bits_ == nullptr) return;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb pixel = image ? image->At(x, y) : kWhite;
            unsigned char* quad = bits_ + 4 * (y * width + x);
            quad[0] = pixel.blue;
            quad[1] = pixel.green;
            quad[2] = pixel.red;
            quad[3] = 0;
        }
    }
}

OffscreenSurface::~OffscreenSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

Image OffscreenSurface::Pixels() const {
    if (bits_ == nullptr) return {};
    GdiFlush();
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const unsigned char* quad = bits_ + 4 * (y * width_ + x);
            image.At(x, y) = {quad[2], quad[1], quad[0]};
        }
    }
    return image;
}
