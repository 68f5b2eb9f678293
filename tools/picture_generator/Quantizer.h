#pragma once

#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace picgen {

// A picture with a colour table: what an 8-bit bitmap holds.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> palette;
    // Row by row from the top, one palette index per pixel.
    std::vector<std::uint8_t> indices;
};

enum class Dither { None, ErrorDiffusion };

// Finds `colours` colours that represent the canvas well (median cut refined
// by k-means, all deterministic) and maps every pixel to one of them.
IndexedImage Quantize(const Canvas& canvas, int colours, Dither dither);

}  // namespace picgen
