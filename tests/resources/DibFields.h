#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The BITMAPINFOHEADER fields of a DIB, read little-endian.
struct DibFields {
    std::uint32_t headerSize, width, height;
    std::uint16_t planes, bitsPerPixel;
    std::uint32_t compression, imageSize, coloursUsed, coloursImportant;
};

inline std::uint32_t ReadLittleEndian(std::span<const std::byte> bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | std::to_integer<std::uint32_t>(bytes[at + std::size_t(i)]);
    return value;
}

inline DibFields ReadDibFields(std::span<const std::byte> dib) {
    auto at = [&](std::size_t offset, int width) { return ReadLittleEndian(dib, offset, width); };
    return {at(0, 4),
            at(4, 4),
            at(8, 4),
            std::uint16_t(at(12, 2)),
            std::uint16_t(at(14, 2)),
            at(16, 4),
            at(20, 4),
            at(32, 4),
            at(36, 4)};
}
