#include "install/PictureSurface.h"

#include <array>

namespace {

constexpr std::size_t kHeaderSize = 40;
constexpr std::size_t kColourCount = 256;
constexpr std::size_t kPixelOffset = kHeaderSize + kColourCount * 4;
constexpr std::size_t kPixelBytes = std::size_t{PictureSurface::kWidth} * PictureSurface::kHeight;

std::uint32_t ReadLittleEndian(std::span<const std::byte> bytes, std::size_t offset,
                               std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | std::to_integer<std::uint32_t>(bytes[offset + i]);
    }
    return value;
}

bool IsPictureBitmap(std::span<const std::byte> dib) {
    if (dib.size() < kPixelOffset + kPixelBytes) return false;
    struct Field {
        std::size_t offset, width;
        std::uint32_t value;
    };
    constexpr std::array<Field, 7> kExpected = {{
        {0, 4, kHeaderSize},
        {4, 4, PictureSurface::kWidth},
        {8, 4, PictureSurface::kHeight},  // positive: bottom-up
        {12, 2, 1},                       // planes
        {14, 2, 8},                       // bits per pixel
        {16, 4, 0},                       // uncompressed
        {32, 4, 0},                       // a full table of 256 colours
    }};
    for (const Field& field : kExpected) {
        if (ReadLittleEndian(dib, field.offset, field.width) != field.value) return false;
    }
    return true;
}

}  // namespace

bool PictureSurface::MakeCurrent(std::span<const std::byte> dib) {
    pixels_.clear();
    if (!exists_ || !IsPictureBitmap(dib)) return false;

    std::array<std::uint32_t, kColourCount> colours;  // 0x00RRGGBB
    for (std::size_t i = 0; i < kColourCount; ++i) {
        colours[i] = ReadLittleEndian(dib, kHeaderSize + 4 * i, 3);
    }
    pixels_.resize(kPixelBytes);
    for (int y = 0; y < kHeight; ++y) {
        const auto storedRow = dib.subspan(kPixelOffset + std::size_t(kHeight - 1 - y) * kWidth, kWidth);
        for (int x = 0; x < kWidth; ++x) {
            pixels_[std::size_t(y * kWidth + x)] = colours[std::to_integer<std::size_t>(storedRow[std::size_t(x)])];
        }
    }
    return true;
}
