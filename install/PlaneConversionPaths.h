#pragma once

#include <cstddef>

#include "install/PictureSurface.h"

// The ways of converting, each for the picture's fixed sizes; the arguments
// are as for ConvertToPlanes.

inline constexpr std::size_t kRowLength = PictureSurface::kWidth;
inline constexpr std::size_t kRows = PictureSurface::kHeight;
inline constexpr std::size_t kPlaneSize = PictureSurface::kPlaneSize;

void ConvertPortably(const std::byte* colourTable, const std::byte* storedRows, std::byte* planes);
void ConvertWithVbmi(const std::byte* colourTable, const std::byte* storedRows, std::byte* planes);
