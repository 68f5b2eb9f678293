#include "install/PictureSurface.h"

#include "install/PlaneConversion.h"

namespace {

constexpr std::size_t kHeaderSize = 40;
constexpr std::size_t kColourCount = 256;
constexpr std::size_t kPixelOffset = kHeaderSize + kColourCount * 4;

std::uint32_t ReadLittleEndian(std::span<const std::byte> bytes, std::size_t offset,
                               std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | std::to_integer<std::uint32_t>(bytes[offset + i]);
    }
    return value;
}

bool IsPictureBitmap(std::span<const std::byte> dib) {
    if (dib.size() < kPixelOffset + PictureSurface::kPlaneSize) return false;
    struct Field {
        std::size_t offset, width;
        std::uint32_t value;
    };
    constexpr Field kExpected[] = {
        {0, 4, kHeaderSize},
        {4, 4, PictureSurface::kWidth},
        {8, 4, PictureSurface::kHeight},  // positive: bottom-up
        {12, 2, 1},                       // planes
        {14, 2, 8},                       // bits per pixel
        {16, 4, 0},                       // uncompressed
        {32, 4, 0},                       // a full table of 256 colours
    };
    for (const Field& field : kExpected) {
        if (ReadLittleEndian(dib, field.offset, field.width) != field.value) return false;
    }
    return true;
}

}  // namespace

bool PictureSurface::MakeCurrent(std::span<const std::byte> dib) {
    dib_ = {};
    if (!exists_ || !IsPictureBitmap(dib)) return false;
    dib_ = dib;
    return true;
}

std::uint32_t PictureSurface::ColourEntry(int x, int y) const {
    const std::size_t storedRow = std::size_t(kHeight - 1 - y);
    const auto index =
        std::to_integer<std::size_t>(dib_[kPixelOffset + storedRow * kWidth + std::size_t(x)]);
    // Colour-table entries are blue, green, red, unused: 0x00RRGGBB read as one.
    return ReadLittleEndian(dib_, kHeaderSize + 4 * index, 3);
}

std::uint32_t PictureSurface::GetPixel(int x, int y) const {
    const std::uint32_t colour = ColourEntry(x, y);
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

void PictureSurface::CopyPlanes(std::span<std::byte> planes) const {
    ConvertToPlanes(dib_.subspan(kHeaderSize, 4 * kColourCount),
                    dib_.subspan(kPixelOffset, kPlaneSize), planes);
}

PictureSurface::Thumbnail PictureSurface::ThumbnailPixels() const {
    Thumbnail pixels{};
    for (int y = 0; y < kThumbnailSize; ++y) {
        for (int x = 0; x < kThumbnailSize; ++x) {
            pixels[std::size_t(y * kThumbnailSize + x)] = ColourEntry(x, y);
        }
    }
    return pixels;
}
