#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "Quantizer.h"

namespace picgen {

using Bytes = std::vector<std::uint8_t>;

// An 8-bit bottom-up BI_RGB .bmp file (file header + DIB) with the image's
// own colour table; a full 256-entry table is stored as "colours used 0".
Bytes BitmapFile(const IndexedImage& image);

// A .ico file with one 4-bit image of up to 16 colours; pixels not marked
// opaque (row by row from the top) are transparent through the AND mask and
// must use colour-table entry 0, which has to be black.
Bytes IconFile(const IndexedImage& image, const std::vector<bool>& opaque);

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace picgen
