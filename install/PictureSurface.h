#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The off-screen surface that holds the current picture: the embedded bitmap
// itself, where the program's resources keep it, read without a copy. Every
// pixel reads as its exact colour-table entry.
class PictureSurface {
public:
    static constexpr int kWidth = 912;
    static constexpr int kHeight = 48;
    static constexpr int kThumbnailSize = 48;  // the top-left square
    static constexpr std::size_t kPlaneSize = std::size_t{kWidth} * kHeight;

    void Create() { exists_ = true; }
    void Release() {
        exists_ = false;
        dib_ = {};
    }
    bool Exists() const { return exists_; }
    bool HasPicture() const { return !dib_.empty(); }

    // Makes the bitmap (a DIB without file header: 912 x 48, 8 bits, 256
    // colours, uncompressed, bottom-up) the current picture, replacing the
    // previous one. Its bytes must stay in place while it is current, as the
    // program's resources do. False, with no picture, when the surface does
    // not exist or the bytes are not such a bitmap.
    bool MakeCurrent(std::span<const std::byte> dib);

    // The colour of pixel (x, y), y 0 at the top: red in the lowest byte,
    // then green, then blue.
    std::uint32_t GetPixel(int x, int y) const;

    // Fills 3 x kPlaneSize bytes with the red, green and blue planes of 48
    // rows of 912 bytes, top row first: the game's picture file.
    void CopyPlanes(std::span<std::byte> planes) const;

    // The top-left square as 0x00RRGGBB, top row first: the layout of a
    // 32-bit device-independent bitmap, for drawing the thumbnail.
    using Thumbnail = std::array<std::uint32_t, kThumbnailSize * kThumbnailSize>;
    Thumbnail ThumbnailPixels() const;

private:
    // The colour-table entry of pixel (x, y) as 0x00RRGGBB.
    std::uint32_t ColourEntry(int x, int y) const;

    bool exists_ = false;
    std::span<const std::byte> dib_;  // empty: no picture
};
