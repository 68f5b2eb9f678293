#include "TileGround.h"

#include <algorithm>
#include <cmath>

#include "DetMath.h"
#include "Shading.h"

namespace picgen {

namespace {

constexpr Vec2 kMiddle{kTileSize / 2.0f, kTileSize / 2.0f};

// Distance to the nearest of parallel bands `period` apart, `width` wide.
float Bands(float u, float period, float width) {
    const float m = u - period * std::floor(u / period) - period / 2;
    return (m < 0 ? -m : m) - width / 2;
}

// A lighter area on the tile's face, different for each picture of a
// category; broad shapes only, as fine patterns turn to noise in the
// thumbnail.
Sdf Pattern(int pattern) {
    switch (pattern) {
        case 1:
            return [](Vec2 p) { return p.y - 20; };
        case 2:
            return [](Vec2 p) { return (p.x + p.y - 44) * 0.7071f; };
        case 3:
            return sdf::Outline(sdf::Box(kMiddle, {17, 17}, 5), 1.2f);
        case 4:
            return [](Vec2 p) {
                const Vec2 q = p - kMiddle;
                const float toAxis = std::min(q.x < 0 ? -q.x : q.x, q.y < 0 ? -q.y : q.y);
                return (q.x * q.y > 0 ? -1 : 1) * toAxis;
            };
        case 5:
            return sdf::Polygon(sdf::RegularPolygon(kMiddle, 17, 4, 0));
        case 6:
            return [](Vec2 p) {
                const Vec2 q = p - kMiddle;
                const float turns = det::Atan2(q.y, q.x) / (2 * det::kPi) * 12;
                return Bands(turns, 1, 0.5f) * det::Length(q) * 0.52f;
            };
        default:
            return [](Vec2) { return 1.0f; };
    }
}

}  // namespace

void DrawTileGround(const Painter& tile, Rgb ground, int pattern) {
    tile.Fill(sdf::Everywhere(), Shade(ground, -0.6f));
    const Sdf face = sdf::Box(kMiddle, {23, 23}, 7);
    const Shader glow = [ground](Vec2 p) {
        return Mix(Shade(ground, 0.1f), Shade(ground, -0.1f),
                   det::Clamp01(det::Length(p - kMiddle) / 30));
    };
    tile.Fill(face, shade::Cushion(face, glow, 3.0f, 0.15f));
    const Sdf field = sdf::Box(kMiddle, {19.5f, 19.5f}, 5);
    tile.Fill(sdf::Intersect(Pattern(pattern), field), Shade(ground, 0.3f), 0.16f);
}

}  // namespace picgen
