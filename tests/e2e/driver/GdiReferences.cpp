#include "tests/e2e/driver/GdiReferences.h"

#include <windows.h>

namespace {

constexpr int kSquare = 48;
constexpr int kThumbnail = 37;
constexpr int kIcon = 32;

// An off-screen 32-bit surface of the given size, filled from `image` when
// it is given, white otherwise.
class Surface {
public:
    Surface(int width, int height, const Image* image) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
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
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_; }
    Image Pixels() const {
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

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    unsigned char* bits_ = nullptr;
};

}  // namespace

Image StretchedThumbnail(const Image& picture) {
    const Image square = picture.Part(0, 0, kSquare, kSquare);
    const Surface source(kSquare, kSquare, &square);
    const Surface thumbnail(kThumbnail, kThumbnail, nullptr);
    StretchBlt(thumbnail.dc(), 0, 0, kThumbnail, kThumbnail, source.dc(), 0, 0, kSquare, kSquare,
               SRCCOPY);
    return thumbnail.Pixels();
}

std::optional<Image> IconOnWhite(const std::wstring& icoPath) {
    const auto icon = static_cast<HICON>(
        LoadImageW(nullptr, icoPath.c_str(), IMAGE_ICON, kIcon, kIcon, LR_LOADFROMFILE));
    if (icon == nullptr) return std::nullopt;
    const Surface surface(kIcon, kIcon, nullptr);
    DrawIconEx(surface.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    return surface.Pixels();
}
