#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
