#include <array>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

void DrawPetals(const Painter& tile, int count, int style, float size, float turn, Rgb colour) {
    for (int i = 0; i < count; ++i) {
        const float angle = turn + 2 * det::kPi * static_cast<float>(i) / static_cast<float>(count);
        const Vec2 at = art::kMiddle + det::Polar(size * 0.58f, angle);
        const Sdf petal =
            style == 0 ? sdf::Circle(at, size * 0.42f)
                       : sdf::Rotate(sdf::Ellipse(at, size * 0.55f, size * 0.27f), at, angle);
        tile.Fill(sdf::Translate(petal, {1, 1.5f}), {0, 0, 0}, 0.25f);
        tile.Fill(petal, [=](Vec2 p) {
            // Paler towards the tip, deeper towards the heart.
            const float out = det::Clamp01(det::Length(p - art::kMiddle) / (size * 1.1f));
            return shade::Cushion(petal, Mix(Shade(colour, -0.25f), Shade(colour, 0.3f), out), 2.5f,
                                  0.3f)(p);
        });
    }
}

}  // namespace

// Flowers of five to eight petals, round, pointed or double, in seven colours.
void DrawFlower(const Painter& tile, int object, int variant) {
    static const std::array<Rgb, 7> colours = {Hex(0xE8323C), Hex(0xF58A1F), Hex(0xF5D030),
                                               Hex(0xF070B8), Hex(0x9858E0), Hex(0xF4F2F0),
                                               Hex(0x4C80F0)};
    const int petals = 5 + object % 4;
    const int style = object % 3;
    const Rgb colour = colours[static_cast<std::size_t>(object % 7)];
    if (variant % 2 == 1) {
        for (float angle : {0.6f, 2.5f}) {
            const Vec2 at = art::kMiddle + det::Polar(13, angle);
            const Sdf leaf = sdf::Rotate(sdf::Ellipse(at, 9, 4), at, angle);
            tile.Fill(leaf, shade::Cushion(leaf, Hex(0x3C9A38), 2, 0.2f));
        }
    }
    const float turn = -det::kPi / 2;
    DrawPetals(tile, petals, style == 2 ? 1 : style, 17, turn, colour);
    if (style == 2)
        DrawPetals(tile, petals, 1, 11, turn + det::kPi / static_cast<float>(petals),
                   Shade(colour, 0.2f));
    const Rgb heart = object % 7 == 2 ? Hex(0x8A4A1C) : Hex(0xF2C020);
    tile.Fill(sdf::Circle(art::kMiddle, 5), shade::Sphere(art::kMiddle, 5, heart, 0.4f));
}

}  // namespace picgen
