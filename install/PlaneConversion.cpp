#include "install/PlaneConversion.h"

#include <cstdint>

#include "install/PlaneConversionPaths.h"

bool CanRun(ConversionPath path) {
    switch (path) {
        case ConversionPath::Portable:
            return true;
        case ConversionPath::Vbmi:
            __builtin_cpu_init();
            return __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
    }
    return false;
}

ConversionPath FastestPath() {
    static const ConversionPath fastest =
        CanRun(ConversionPath::Vbmi) ? ConversionPath::Vbmi : ConversionPath::Portable;
    return fastest;
}

void ConvertToPlanes(std::span<const std::byte> colourTable, std::span<const std::byte> storedRows,
                     std::span<std::byte> planes, ConversionPath path) {
    const auto convert = path == ConversionPath::Vbmi ? ConvertWithVbmi : ConvertPortably;
    convert(colourTable.data(), storedRows.data(), planes.data());
}

void ConvertPortably(const std::byte* colourTable, const std::byte* storedRows, std::byte* planes) {
    // One load per pixel: the entry's blue, green and red read as 0x00RRGGBB.
    std::uint32_t colours[256];
    for (std::size_t i = 0; i < 256; ++i) {
        colours[i] = std::to_integer<std::uint32_t>(colourTable[4 * i]) |
                     std::to_integer<std::uint32_t>(colourTable[4 * i + 1]) << 8 |
                     std::to_integer<std::uint32_t>(colourTable[4 * i + 2]) << 16;
    }
    for (std::size_t storedRow = 0; storedRow < kRows; ++storedRow) {
        PrefetchRowsAhead(storedRows, storedRow);
        const std::byte* stored = storedRows + storedRow * kRowLength;
        std::byte* red = planes + (kRows - 1 - storedRow) * kRowLength;
        std::byte* green = red + kPlaneSize;
        std::byte* blue = green + kPlaneSize;
        for (std::size_t x = 0; x < kRowLength; ++x) {
            const std::uint32_t colour = colours[std::to_integer<std::size_t>(stored[x])];
            red[x] = std::byte(colour >> 16);
            green[x] = std::byte(colour >> 8);
            blue[x] = std::byte(colour);
        }
    }
}
