#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// A 912 x 48 8-bit bitmap as the program embeds its pictures, built from a
// colour table and a colour index per stored row and column.
inline std::vector<std::byte> MakePictureDib(
    const std::function<std::uint32_t(int)>& colourOfIndex,  // 0x00RRGGBB
    const std::function<std::uint8_t(int storedRow, int x)>& indexAt) {
    std::vector<std::byte> dib(40 + 1024 + 43776);
    auto put = [&](std::size_t at, std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            dib[at + std::size_t(i)] = std::byte((value >> (8 * i)) & 0xFF);
    };
    put(0, 40, 4);
    put(4, 912, 4);
    put(8, 48, 4);
    put(12, 1, 2);
    put(14, 8, 2);
    put(20, 43776, 4);
    for (int i = 0; i < 256; ++i) put(40 + 4 * std::size_t(i), colourOfIndex(i), 3);
    for (int row = 0; row < 48; ++row) {
        for (int x = 0; x < 912; ++x) put(1064 + std::size_t(row * 912 + x), indexAt(row, x), 1);
    }
    return dib;
}

// The picture file as read straight from the bitmap's stored rows.
inline std::string ExpectedPictureFile(std::span<const std::byte> dib) {
    std::string file(131328, '\0');
    for (int plane = 0; plane < 3; ++plane) {
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 912; ++x) {
                const auto index =
                    std::to_integer<std::size_t>(dib[1064 + std::size_t((47 - y) * 912 + x)]);
                file[std::size_t(plane * 43776 + y * 912 + x)] =
                    static_cast<char>(dib[40 + 4 * index + std::size_t(2 - plane)]);
            }
        }
    }
    return file;
}
