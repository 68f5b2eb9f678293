#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

Sdf Shape(int shape) {
    const Vec2 m = art::kMiddle;
    switch (shape) {
        case 0:
            return sdf::Grow(
                sdf::Polygon(sdf::RegularPolygon(m + Vec2{0, 2.5f}, 15, 3, -det::kPi / 2)), 1.5f);
        case 1:
            return sdf::Box(m, {14, 14}, 4);
        case 2:
            return sdf::Grow(
                sdf::Polygon(sdf::RegularPolygon(m + Vec2{0, 1}, 15, 5, -det::kPi / 2)), 1);
        case 3:
            return sdf::Grow(sdf::Polygon(sdf::RegularPolygon(m, 16, 6, 0)), 1);
        case 4:
            return sdf::Grow(sdf::Polygon(sdf::RegularPolygon(m, 16, 8, det::kPi / 8)), 1);
        case 5:
            return sdf::Circle(m, 15.5f);
        case 6:
            return sdf::Grow(sdf::Polygon({{24, 7}, {38, 24}, {24, 41}, {10, 24}}), 1);
        case 7:
            return sdf::Union(sdf::Box(m, {15, 5.5f}, 2), sdf::Box(m, {5.5f, 15}, 2));
        case 8:
            return sdf::Outline(sdf::Circle(m, 11.5f), 4.5f);
        default:
            return sdf::Subtract(sdf::Circle(m, 16), sdf::Circle(m + Vec2{7, -5}, 13));
    }
}

}  // namespace

// Jelly-like buttons: ten shapes in seven colours.
void DrawShape(const Painter& tile, int object, int variant) {
    const Sdf shape = Shape(object % 10);
    const Rgb colour = art::Vivid(object % 7);
    shade::Raised(tile, shape, colour, variant % 2 == 0 ? 5.0f : 3.0f, 0.9f);
    // A gloss spot only where the shape is broad enough to hold it.
    const Vec2 spot{18, 16};
    if (shape(spot) < -4) art::Gloss(tile, spot, 4, 2.2f, 0.45f);
}

}  // namespace picgen
