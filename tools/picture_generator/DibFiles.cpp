#include "DibFiles.h"

#include <fstream>
#include <stdexcept>

namespace picgen {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;

void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void PutInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize,
                   std::uint32_t coloursUsed) {
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

void PutColourTable(Bytes& out, const std::vector<Rgb8>& palette) {
    for (Rgb8 c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

// Rows bottom-up, each padded to four bytes; `pixel` gives the value of (x, y).
template <typename PixelValue>
void PutRows(Bytes& out, int width, int height, int bitsPerPixel, PixelValue pixel) {
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(RowBytes(width, bitsPerPixel));
        for (int x = 0; x < width; ++x) {
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            row[static_cast<std::size_t>(bit / 8)] |=
                static_cast<std::uint8_t>(pixel(x, y) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

Bytes BitmapFile(const IndexedImage& image) {
    const auto tableBytes = static_cast<std::uint32_t>(4 * image.palette.size());
    const std::uint32_t imageSize =
        RowBytes(image.width, 8) * static_cast<std::uint32_t>(image.height);
    const std::uint32_t pixelOffset = 14 + kInfoHeaderSize + tableBytes;
    Bytes out{'B', 'M'};
    Put32(out, pixelOffset + imageSize);
    Put32(out, 0);
    Put32(out, pixelOffset);
    PutInfoHeader(
        out, image.width, image.height, 8, imageSize,
        image.palette.size() == 256 ? 0 : static_cast<std::uint32_t>(image.palette.size()));
    PutColourTable(out, image.palette);
    PutRows(out, image.width, image.height, 8, [&](int x, int y) {
        return image.indices[static_cast<std::size_t>(y * image.width + x)];
    });
    return out;
}

Bytes IconFile(const IndexedImage& image, const std::vector<bool>& opaque) {
    constexpr int kColours = 16;
    auto palette = image.palette;
    palette.resize(kColours);
    const auto at = [&](int x, int y) { return static_cast<std::size_t>(y * image.width + x); };
    const std::uint32_t colourBytes =
        RowBytes(image.width, 4) * static_cast<std::uint32_t>(image.height);
    const std::uint32_t maskBytes =
        RowBytes(image.width, 1) * static_cast<std::uint32_t>(image.height);
    const std::uint32_t imageBytes = kInfoHeaderSize + 4 * kColours + colourBytes + maskBytes;
    Bytes out;
    Put16(out, 0);  // ICONDIR: reserved, type icon, one image
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(static_cast<std::uint8_t>(image.width));
    out.push_back(static_cast<std::uint8_t>(image.height));
    out.push_back(kColours);
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits per pixel
    Put32(out, imageBytes);
    Put32(out, static_cast<std::uint32_t>(out.size() + 4));
    // The colour and mask images are stacked, hence the doubled height.
    PutInfoHeader(out, image.width, 2 * image.height, 4, colourBytes + maskBytes, 0);
    PutColourTable(out, palette);
    PutRows(out, image.width, image.height, 4, [&](int x, int y) {
        if (!opaque[at(x, y)] && image.indices[at(x, y)] != 0)
            throw std::logic_error("transparent icon pixels must use entry 0");
        return image.indices[at(x, y)];
    });
    PutRows(out, image.width, image.height, 1,
            [&](int x, int y) { return opaque[at(x, y)] ? 0 : 1; });
    return out;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace picgen
