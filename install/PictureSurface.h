#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

// The off-screen surface that holds the current picture. It keeps the pixels
// as separate red, green and blue planes, top row first: every pixel reads as
// its exact colour-table entry, and the planes are already the game's picture
// file.
class PictureSurface {
public:
    static constexpr int kWidth = 912;
    static constexpr int kHeight = 48;
    static constexpr int kThumbnailSize = 48;  // the top-left square
    static constexpr std::size_t kPlaneSize = std::size_t{kWidth} * kHeight;

    void Create() { exists_ = true; }
    void Release() {
        exists_ = false;
        hasPicture_ = false;
        planes_.reset();
    }
    bool Exists() const { return exists_; }
    bool HasPicture() const { return hasPicture_; }

    // Makes the bitmap (a DIB without file header: 912 x 48, 8 bits, 256
    // colours, uncompressed, bottom-up) the current picture, replacing the
    // previous one. False, with no picture, when the surface does not exist or
    // the bytes are not such a bitmap.
    bool MakeCurrent(std::span<const std::byte> dib);

    // The colour of pixel (x, y), y 0 at the top: red in the lowest byte,
    // then green, then blue.
    std::uint32_t GetPixel(int x, int y) const {
        const std::size_t at = std::size_t(y) * kWidth + std::size_t(x);
        return std::to_integer<std::uint32_t>(planes_[at]) |
               std::to_integer<std::uint32_t>(planes_[kPlaneSize + at]) << 8 |
               std::to_integer<std::uint32_t>(planes_[2 * kPlaneSize + at]) << 16;
    }

    // The red, green and blue planes of 48 rows of 912 bytes, top row first.
    std::span<const std::byte> Planes() const {
        return {planes_.get(), hasPicture_ ? 3 * kPlaneSize : 0};
    }

    // The top-left square as 0x00RRGGBB, top row first: the layout of a
    // 32-bit device-independent bitmap, for drawing the thumbnail.
    using Thumbnail = std::array<std::uint32_t, kThumbnailSize * kThumbnailSize>;
    Thumbnail ThumbnailPixels() const;

private:
    bool exists_ = false;
    bool hasPicture_ = false;
    std::unique_ptr<std::byte[]> planes_;
};
