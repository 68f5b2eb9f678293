#pragma once

#include "Canvas.h"

namespace picgen {

// Light comes from the top left, in front of the picture, for every picture
// alike, so that the tiles of a strip look lit by one lamp.
namespace shade {

struct Normal {
    float x = 0;
    float y = 0;
    float z = 1;
};

// Diffuse and specular lighting of a surface colour.
Rgb Lit(Rgb base, Normal normal, float gloss);
// The outward direction of a shape's outline at a point.
Vec2 OutlineDirection(const Sdf& shape, Vec2 p);

Shader Flat(Rgb colour);
Shader Vertical(Rgb top, Rgb bottom, float fromY, float toY);
// A cushion: flat in the middle, rounding off over `rim` pixels to the edge.
Shader Cushion(Sdf shape, Shader base, float rim, float gloss);
Shader Cushion(Sdf shape, Rgb base, float rim, float gloss);
Shader Sphere(Vec2 center, float radius, Rgb base, float gloss);
// Paints a shape as a rounded, lit object with a soft shadow under it.
void Raised(const Painter& painter, const Sdf& shape, Rgb base, float rim, float gloss);

}  // namespace shade

}  // namespace picgen
