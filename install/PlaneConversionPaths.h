#pragma once

#include <cstddef>

#include "install/PictureSurface.h"

// The ways of converting, each for the picture's fixed sizes; the arguments
// are as for ConvertToPlanes.

inline constexpr std::size_t kRowLength = PictureSurface::kWidth;
inline constexpr std::size_t kRows = PictureSurface::kHeight;
inline constexpr std::size_t kPlaneSize = PictureSurface::kPlaneSize;

// Both paths read the stored rows in the order they lie in memory, each row
// into its place in the planes, and ask for the rows a little ahead early:
// the bitmap is seldom in the cache, and reading it at the pace of the
// conversion would cost more than the conversion itself.
inline constexpr std::size_t kRowsAhead = 4;

// Always inlined: as a call of its own, the compiler finds that it has no
// effect and drops it.
[[gnu::always_inline]] inline void PrefetchRowsAhead(const std::byte* storedRows,
                                                     std::size_t storedRow) {
    if (storedRow + kRowsAhead >= kRows) return;
    const std::byte* ahead = storedRows + (storedRow + kRowsAhead) * kRowLength;
    for (std::size_t at = 0; at < kRowLength; at += 64) __builtin_prefetch(ahead + at);
}

void ConvertPortably(const std::byte* colourTable, const std::byte* storedRows, std::byte* planes);
void ConvertWithVbmi(const std::byte* colourTable, const std::byte* storedRows, std::byte* planes);
