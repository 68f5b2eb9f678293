#include <algorithm>
#include <array>
#include <vector>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

Sdf ShieldShape() {
    std::vector<Vec2> outline = {{11, 9}, {37, 9}};
    // The sides run straight down, then curve in to the point.
    for (int i = 0; i <= 8; ++i) {
        const float t = static_cast<float>(i) / 8;
        outline.push_back({37 - 13 * t * t, 24 + 17 * t});
    }
    for (int i = 7; i >= 0; --i) {
        const float t = static_cast<float>(i) / 8;
        outline.push_back({11 + 13 * t * t, 24 + 17 * t});
    }
    return sdf::Polygon(outline);
}

// Where the second tincture lies: negative inside.
Sdf Division(int division) {
    switch (division) {
        case 0:
            return [](Vec2 p) { return p.x - 24; };
        case 1:
            return [](Vec2 p) { return p.y - 22; };
        case 2:
            return [](Vec2 p) { return (p.x - p.y - 2) * 0.7071f; };
        case 3:
            return [](Vec2 p) {
                const float dx = p.x < 24 ? 24 - p.x : p.x - 24;
                return ((17 + dx * 0.8f) - p.y) * 0.78f - 3;
            };
        case 4:
            return [](Vec2 p) {
                return std::min(p.x < 24 ? 24 - p.x : p.x - 24, p.y < 21 ? 21 - p.y : p.y - 21) -
                       3.5f;
            };
        case 5:
            return [](Vec2 p) {
                const float a = (p.x - 24 - (p.y - 23)) * 0.7071f;
                const float b = (p.x - 24 + (p.y - 23)) * 0.7071f;
                return std::min(a < 0 ? -a : a, b < 0 ? -b : b) - 3.2f;
            };
        default:
            return [](Vec2 p) {
                const float dx = p.x - 24;
                const float dy = p.y - 22;
                return (dx * dy > 0 ? -1 : 1) * std::min(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
            };
    }
}

}  // namespace

// Heraldic shields: seven partitions in four pairs of tinctures.
void DrawShield(const Painter& tile, int object, int variant) {
    struct Tinctures {
        Rgb field, charge;
    };
    static const std::array<Tinctures, 4> pairs = {{{Hex(0xC8202C), Hex(0xF0C840)},
                                                    {Hex(0x2456C0), Hex(0xEEEEF2)},
                                                    {Hex(0x1C8A40), Hex(0xF0C840)},
                                                    {Hex(0x7A2E9A), Hex(0xEEEEF2)}}};
    const Tinctures& tinctures = pairs[static_cast<std::size_t>(object % 4)];
    const Sdf division = Division(object % 7);
    const Sdf shield = ShieldShape();
    const Rgb rim = variant % 2 == 0 ? Hex(0xE0B040) : Hex(0xC8CCD4);
    tile.Soft(sdf::Translate(shield, {1.5f, 2}), {0, 0, 0}, 1.6f, 0.55f);
    const Sdf border = sdf::Grow(shield, 1.6f);
    tile.Fill(border, shade::Cushion(border, rim, 2, 0.9f));
    const Shader field = [=](Vec2 p) {
        return Mix(tinctures.field, tinctures.charge, det::Clamp01(0.5f - division(p)));
    };
    tile.Fill(shield, shade::Cushion(shield, field, 5, 0.5f));
}

}  // namespace picgen
