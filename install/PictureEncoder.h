#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "install/OutputFiles.h"
#include "install/PictureSurface.h"

// The game's picture file: red, green and blue planes of 48 rows of 912
// bytes, top row first, no header.
inline constexpr std::size_t kPlaneSize = std::size_t{PictureSurface::kWidth} * PictureSurface::kHeight;
inline constexpr std::size_t kPictureFileSize = 3 * kPlaneSize;

std::vector<std::byte> EncodePictureFile(const PictureSurface& surface);

// "pi" + number text + "velk"
std::string PictureFileName(std::string_view numberText);

// Writes the current picture of the surface as pi<numberText>velk.
WriteResult EncodePicture(const PictureSurface& surface, const OutputFolder& folder,
                          std::string_view numberText);
