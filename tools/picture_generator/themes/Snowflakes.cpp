#include <array>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

constexpr float kArm = 16;
constexpr float kHalfWidth = 1.7f;

// One arm pointing up from the middle; the object's three digits in base 3
// choose the centre, the side branches and the tip.
Sdf Arm(int object) {
    const Vec2 m = art::kMiddle;
    const auto along = [m](float distance, float side) { return m + Vec2{side, -distance}; };
    Sdf arm = sdf::Capsule(m, along(kArm, 0), kHalfWidth);
    const auto branch = [&](float at, float length) {
        arm = sdf::Union(
            arm, sdf::Capsule(along(at, 0), along(at + length * 0.7f, -length * 0.7f), kHalfWidth));
        arm = sdf::Union(
            arm, sdf::Capsule(along(at, 0), along(at + length * 0.7f, length * 0.7f), kHalfWidth));
    };
    switch ((object / 3) % 3) {
        case 0:
            branch(9, 5);
            break;
        case 1:
            branch(6, 4);
            branch(11, 3.5f);
            break;
        default:
            branch(3, 6);
            break;
    }
    switch ((object / 9) % 3) {
        case 0:
            arm = sdf::Union(arm, sdf::Circle(along(kArm, 0), 2.4f));
            break;
        case 1:
            arm = sdf::Union(arm, sdf::Polygon(sdf::RegularPolygon(along(kArm, 0), 3.2f, 4, 0)));
            break;
        default:
            break;
    }
    return arm;
}

Sdf Centre(int style) {
    switch (style) {
        case 0:
            return sdf::Polygon(sdf::RegularPolygon(art::kMiddle, 6, 6, det::kPi / 6));
        case 1:
            return sdf::Outline(sdf::Circle(art::kMiddle, 4.5f), 1.3f);
        default:
            return sdf::Polygon(sdf::Star(art::kMiddle, 7, 3, 6, -det::kPi / 2));
    }
}

}  // namespace

// Six-armed snowflakes in four icy tints.
void DrawSnowflake(const Painter& tile, int object, int variant) {
    static const std::array<Rgb, 4> tints = {Hex(0xFFFFFF), Hex(0xBEE6FF), Hex(0xE0CCFF),
                                             Hex(0xC8FFF0)};
    const Rgb tint = tints[static_cast<std::size_t>((object + variant) % 4)];
    const Sdf arm = Arm(object);
    Sdf flake = Centre(object % 3);
    for (int i = 0; i < 6; ++i)
        flake =
            sdf::Union(flake, sdf::Rotate(arm, art::kMiddle, det::kPi / 3 * static_cast<float>(i)));
    tile.Soft(flake, Shade(tint, -0.1f), 2.5f, 0.35f);
    tile.Fill(sdf::Translate(flake, {1, 1.5f}), {0, 0, 0}, 0.35f);
    tile.Fill(flake, shade::Cushion(flake, tint, 1.4f, 0.6f));
}

}  // namespace picgen
