#include "TileGround.h"

#include <algorithm>
#include <cmath>

#include "DetMath.h"
#include "Shading.h"

namespace {

constexpr Vec2 kMiddle{kTileSize / 2.0f, kTileSize / 2.0f};

// Distance to the nearest of parallel bands `period` apart, `width` wide.
float Bands(float u, float period, float width) {
    const float m = u - period * std::floor(u / period) - period / 2;
    return (m < 0 ? -m : m) - width / 2;
}

Sdf Pattern(int pattern) {
    switch (pattern) {
        case 1:
            return [](Vec2 p) { return Bands((p.x + p.y) * 0.7071f, 6, 2.2f); };
        case 2:
            return [](Vec2 p) {
                constexpr float kCell = 6;
                const auto toLine = [](float v) {
                    const float m = v - kCell * std::floor(v / kCell + 0.5f);
                    return m < 0 ? -m : m;
                };
                const auto parity =
                    static_cast<int>(std::floor(p.x / kCell) + std::floor(p.y / kCell));
                return (parity % 2 == 0 ? -1 : 1) * std::min(toLine(p.x), toLine(p.y));
            };
        case 3:
            return [](Vec2 p) {
                const Vec2 cell{p.x - 8 * std::floor(p.x / 8) - 4,
                                p.y - 8 * std::floor(p.y / 8) - 4};
                return det::Length(cell) - 1.6f;
            };
        case 4:
            return [](Vec2 p) { return Bands(det::Length(p - kMiddle), 5, 1.6f); };
        case 5:
            return [](Vec2 p) {
                return std::min(Bands((p.x + p.y) * 0.7071f, 8.5f, 1.2f),
                                Bands((p.x - p.y) * 0.7071f, 8.5f, 1.2f));
            };
        case 6:
            return [](Vec2 p) {
                const Vec2 q = p - kMiddle;
                const float turns = det::Atan2(q.y, q.x) / (2 * det::kPi) * 16;
                return Bands(turns, 1, 0.5f) * det::Length(q) * 0.39f;
            };
        default:
            return [](Vec2) { return 1.0f; };
    }
}

}  // namespace

void DrawTileGround(const Painter& tile, Rgb ground, int pattern) {
    tile.Fill([](Vec2) { return -1.0f; }, Shade(ground, -0.6f));
    const Sdf face = sdf::Box(kMiddle, {23, 23}, 7);
    const Shader glow = [ground](Vec2 p) {
        return Mix(Shade(ground, 0.22f), Shade(ground, -0.2f),
                   det::Clamp01(det::Length(p - kMiddle) / 30));
    };
    tile.Fill(face, shade::Cushion(face, glow, 3.0f, 0.15f));
    const Sdf field = sdf::Box(kMiddle, {19.5f, 19.5f}, 5);
    tile.Fill(sdf::Intersect(Pattern(pattern), field), Shade(ground, 0.35f), 0.18f);
}
