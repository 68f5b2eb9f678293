#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The off-screen surface that holds the current picture, decoded from its
// 8-bit bitmap so that every pixel reads as its exact colour-table entry.
class PictureSurface {
public:
    static constexpr int kWidth = 912;
    static constexpr int kHeight = 48;
    static constexpr int kThumbnailSize = 48;  // the top-left square

    void Create() { exists_ = true; }
    void Release() {
        exists_ = false;
        std::vector<std::uint32_t>().swap(pixels_);
    }
    bool Exists() const { return exists_; }
    bool HasPicture() const { return !pixels_.empty(); }

    // Makes the bitmap (a DIB without file header: 912 x 48, 8 bits, 256
    // colours, uncompressed, bottom-up) the current picture, replacing the
    // previous one. False, with no picture, when the surface does not exist or
    // the bytes are not such a bitmap.
    bool MakeCurrent(std::span<const std::byte> dib);

    // The colour of pixel (x, y), y 0 at the top: red in the lowest byte,
    // then green, then blue.
    std::uint32_t GetPixel(int x, int y) const {
        const std::uint32_t rgb = pixels_[static_cast<std::size_t>(y * kWidth + x)];
        return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    }

    // Top-down rows of 0x00RRGGBB, the layout of a 32-bit device-independent
    // bitmap, for drawing.
    std::span<const std::uint32_t> Pixels() const { return pixels_; }

private:
    bool exists_ = false;
    std::vector<std::uint32_t> pixels_;
};
