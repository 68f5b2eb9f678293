#pragma once

#include "Canvas.h"

namespace picgen {

inline constexpr int kTileSize = 48;
inline constexpr int kGroundPatterns = 7;

// The raised square that every object sits on, with a faint pattern of its
// own per picture of a category (pattern 0..6).
void DrawTileGround(const Painter& tile, Rgb ground, int pattern);

}  // namespace picgen
