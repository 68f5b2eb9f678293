#include <array>
#include <vector>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

std::vector<Vec2> Pips(int count) {
    constexpr float d = 7.5f;
    const Vec2 m = art::kMiddle;
    switch (count) {
        case 1:
            return {m};
        case 2:
            return {m + Vec2{-d, -d}, m + Vec2{d, d}};
        case 3:
            return {m + Vec2{-d, -d}, m, m + Vec2{d, d}};
        case 4:
            return {m + Vec2{-d, -d}, m + Vec2{d, -d}, m + Vec2{-d, d}, m + Vec2{d, d}};
        case 5:
            return {m + Vec2{-d, -d}, m + Vec2{d, -d}, m, m + Vec2{-d, d}, m + Vec2{d, d}};
        default:
            return {m + Vec2{-d, -d}, m + Vec2{d, -d}, m + Vec2{-d, 0},
                    m + Vec2{d, 0},   m + Vec2{-d, d}, m + Vec2{d, d}};
    }
}

}  // namespace

// Dice faces one to six in five die colours, with dented pips.
void DrawDie(const Painter& tile, int object, int variant) {
    static const std::array<Rgb, 5> bodies = {Hex(0xF4F0E6), Hex(0xD8262E), Hex(0x2E2E36),
                                              Hex(0x2860D0), Hex(0x1E9A50)};
    const Rgb body = bodies[static_cast<std::size_t>(object % 5)];
    const Rgb pip =
        object % 5 == 0 ? Hex(0x1E1E24) : (variant % 2 == 0 ? Hex(0xF8F8F8) : Hex(0xF2D060));
    const Sdf face = sdf::Box(art::kMiddle, {15.5f, 15.5f}, 5.5f);
    tile.Soft(sdf::Translate(face, {2, 2.5f}), {0, 0, 0}, 1.8f, 0.55f);
    tile.Fill(face, shade::Cushion(face, body, 4.0f, 0.5f));
    for (Vec2 p : Pips(1 + object % 6)) {
        const float radius = object % 6 == 0 ? 4.2f : 2.9f;
        tile.Fill(sdf::Circle(p, radius), Shade(pip, -0.25f));
        tile.Fill(sdf::Circle(p + Vec2{0.6f, 0.7f}, radius - 0.8f), pip);
    }
}

}  // namespace picgen
