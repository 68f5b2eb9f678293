#pragma once

#include "../Color.h"
#include "../DetMath.h"
#include "../Shading.h"

namespace picgen {

// What the themes share: the tile's middle and a set of bright colours.
namespace art {

inline constexpr Vec2 kMiddle{24, 24};

// Ten clear, well separated colours: red, orange, yellow, green, cyan, blue,
// violet, pink, white, charcoal.
Rgb Vivid(int index);
inline constexpr int kVividCount = 10;

// A soft white gloss spot.
void Gloss(const Painter& tile, Vec2 center, float radiusX, float radiusY, float opacity);

}  // namespace art

}  // namespace picgen
