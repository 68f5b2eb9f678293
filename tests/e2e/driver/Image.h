#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};

// Pixels, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h)) {}
    bool Empty() const { return pixels.empty(); }
    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    Image Part(int left, int top, int w, int h) const;
    bool operator==(const Image&) const = default;
};

// An 8-bit palette BMP file, as the program's resources hold them.
std::optional<Image> DecodeBitmapFile(const std::vector<unsigned char>& bmp);
// A 24-bit BMP file of the image.
std::vector<unsigned char> BitmapFileBytes(const Image& image);
// "(r,g,b)", for reports.
std::string Shown(Rgb colour);
