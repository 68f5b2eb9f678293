#include "tests/e2e/driver/GdiReferences.h"

#include <windows.h>

#include "tests/e2e/driver/OffscreenSurface.h"

namespace {

constexpr int kSquare = 48;
constexpr int kThumbnail = 37;
constexpr int kIcon = 32;

}  // namespace

Image StretchedThumbnail(const Image& picture) {
    const Image square = picture.Part(0, 0, kSquare, kSquare);
    const OffscreenSurface source(kSquare, kSquare, &square);
    const OffscreenSurface thumbnail(kThumbnail, kThumbnail, nullptr);
    StretchBlt(thumbnail.dc(), 0, 0, kThumbnail, kThumbnail, source.dc(), 0, 0, kSquare, kSquare,
               SRCCOPY);
    return thumbnail.Pixels();
}

std::optional<Image> IconOnWhite(const std::wstring& icoPath) {
    const auto icon = static_cast<HICON>(
        LoadImageW(nullptr, icoPath.c_str(), IMAGE_ICON, kIcon, kIcon, LR_LOADFROMFILE));
    if (icon == nullptr) return std::nullopt;
    const OffscreenSurface surface(kIcon, kIcon, nullptr);
    DrawIconEx(surface.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    return surface.Pixels();
}
