#include "install/PictureSurface.h"

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
    hasPicture_ = false;
    if (!exists_ || !IsPictureBitmap(dib)) return false;
    if (!planes_) planes_ = std::make_unique_for_overwrite<std::byte[]>(3 * kPlaneSize);

    // Colour-table entries are blue, green, red, unused: 0x00RRGGBB read as one.
    std::uint32_t colours[kColourCount];
    for (std::size_t i = 0; i < kColourCount; ++i) {
        colours[i] = ReadLittleEndian(dib, kHeaderSize + 4 * i, 3);
    }
    std::byte* red = planes_.get();
    std::byte* green = red + kPlaneSize;
    std::byte* blue = green + kPlaneSize;
    for (std::size_t y = 0; y < kHeight; ++y) {
        const std::byte* storedRow = dib.data() + kPixelOffset + (kHeight - 1 - y) * kWidth;
        const std::size_t rowStart = y * kWidth;
        for (std::size_t x = 0; x < kWidth; ++x) {
            const std::uint32_t colour = colours[std::to_integer<std::size_t>(storedRow[x])];
            red[rowStart + x] = std::byte(colour >> 16);
            green[rowStart + x] = std::byte(colour >> 8);
            blue[rowStart + x] = std::byte(colour);
        }
    }
    hasPicture_ = true;
    return true;
}

PictureSurface::Thumbnail PictureSurface::ThumbnailPixels() const {
    Thumbnail pixels{};
    for (int y = 0; y < kThumbnailSize; ++y) {
        for (int x = 0; x < kThumbnailSize; ++x) {
            const std::uint32_t colour = GetPixel(x, y);
            pixels[std::size_t(y * kThumbnailSize + x)] =
                (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
        }
    }
    return pixels;
}
