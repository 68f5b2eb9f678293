#include "tests/e2e/driver/Image.h"

#include <cstdio>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

void PutLittle(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes[at + static_cast<std::size_t>(i)] = (value >> (8 * i)) & 0xFF;
}

std::size_t Stride(int width, int bitsPerPixel) {
    return static_cast<std::size_t>((width * bitsPerPixel + 31) / 32 * 4);
}

}  // namespace

Image Image::Part(int left, int top, int w, int h) const {
    Image part(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) part.At(x, y) = At(left + x, top + y);
    }
    return part;
}

std::optional<Image> DecodeBitmapFile(const std::vector<unsigned char>& bmp) {
    if (bmp.size() < kFileHeaderSize + kInfoHeaderSize || bmp[0] != 'B' || bmp[1] != 'M')
        return std::nullopt;
    const std::size_t pixels = Little(bmp, 10, 4);
    const std::size_t infoSize = Little(bmp, kFileHeaderSize, 4);
    const auto width = static_cast<std::int32_t>(Little(bmp, kFileHeaderSize + 4, 4));
    const auto storedHeight = static_cast<std::int32_t>(Little(bmp, kFileHeaderSize + 8, 4));
    const auto bitsPerPixel = Little(bmp, kFileHeaderSize + 14, 2);
    const auto compression = Little(bmp, kFileHeaderSize + 16, 4);
    std::size_t colours = Little(bmp, kFileHeaderSize + 32, 4);
    if (colours == 0) colours = 256;
    const bool bottomUp = storedHeight > 0;
    const int height = bottomUp ? storedHeight : -storedHeight;
    const std::size_t palette = kFileHeaderSize + infoSize;
    const std::size_t stride = Stride(width, 8);
    if (bitsPerPixel != 8 || compression != 0 || width <= 0 || colours > 256 ||
        palette + 4 * colours > pixels ||
        pixels + stride * static_cast<std::size_t>(height) > bmp.size()) {
        return std::nullopt;
    }
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row =
            pixels + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const std::size_t index = bmp[row + static_cast<std::size_t>(x)];
            if (index >= colours) return std::nullopt;
            const std::size_t entry = palette + 4 * index;  // blue, green, red, unused
            image.At(x, y) = {bmp[entry + 2], bmp[entry + 1], bmp[entry]};
        }
    }
    return image;
}

std::vector<unsigned char> BitmapFileBytes(const Image& image) {
    const std::size_t stride = Stride(image.width, 24);
    const std::size_t offBits = kFileHeaderSize + kInfoHeaderSize;
    std::vector<unsigned char> file(offBits + stride * static_cast<std::size_t>(image.height));
    file[0] = 'B';
    file[1] = 'M';
    PutLittle(file, 2, static_cast<std::uint32_t>(file.size()), 4);
    PutLittle(file, 10, static_cast<std::uint32_t>(offBits), 4);
    PutLittle(file, kFileHeaderSize, kInfoHeaderSize, 4);
    PutLittle(file, kFileHeaderSize + 4, static_cast<std::uint32_t>(image.width), 4);
    PutLittle(file, kFileHeaderSize + 8, static_cast<std::uint32_t>(image.height), 4);  // bottom-up
    PutLittle(file, kFileHeaderSize + 12, 1, 2);
    PutLittle(file, kFileHeaderSize + 14, 24, 2);
    for (int y = 0; y < image.height; ++y) {
        unsigned char* row =
            file.data() + offBits + stride * static_cast<std::size_t>(image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            const Rgb pixel = image.At(x, y);
            row[3 * x] = pixel.blue;
            row[3 * x + 1] = pixel.green;
            row[3 * x + 2] = pixel.red;
        }
    }
    return file;
}

std::string Shown(Rgb colour) {
    char text[16];
    std::snprintf(text, sizeof text, "(%d,%d,%d)", colour.red, colour.green, colour.blue);
    return text;
}
