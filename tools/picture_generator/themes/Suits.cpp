#include <array>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

Sdf Heart(float flip) {
    const auto at = [flip](float x, float y) { return Vec2{x, 24 + flip * (y - 24)}; };
    return sdf::SmoothUnion(
        sdf::Union(sdf::Circle(at(19.2f, 20), 5.6f), sdf::Circle(at(28.8f, 20), 5.6f)),
        sdf::Polygon({at(14.2f, 22.5f), at(33.8f, 22.5f), at(24, 34)}), 1.0f);
}

Sdf Stem() { return sdf::Polygon({{24, 25}, {19.5f, 35}, {28.5f, 35}}); }

Sdf Suit(int suit) {
    switch (suit) {
        case 0:
            return Heart(1);
        case 1:
            return sdf::Grow(sdf::Polygon({{24, 11.5f}, {33, 24}, {24, 36.5f}, {15, 24}}), 0.5f);
        case 2:
            return sdf::SmoothUnion(
                sdf::Union(sdf::Circle({24, 17}, 5.2f), sdf::Union(sdf::Circle({17.8f, 25}, 5.2f),
                                                                   sdf::Circle({30.2f, 25}, 5.2f))),
                Stem(), 1.2f);
        default:
            return sdf::SmoothUnion(sdf::Translate(Heart(-1), {0, -2}), Stem(), 1.2f);
    }
}

}  // namespace

// A card with one suit symbol; four suits in five inks.
void DrawSuit(const Painter& tile, int object, int variant) {
    static const std::array<Rgb, 5> inks = {Hex(0xD8202A), Hex(0x26262E), Hex(0x2250C8),
                                            Hex(0x17904A), Hex(0xC88A10)};
    const Rgb card = variant % 2 == 0 ? Hex(0xF6F0E0) : Hex(0xEEF2F6);
    const Sdf face = sdf::Box(art::kMiddle, {14, 18}, 3.5f);
    tile.Soft(sdf::Translate(face, {1.5f, 2}), {0, 0, 0}, 1.5f, 0.5f);
    tile.Fill(face, shade::Cushion(face, card, 2.0f, 0.2f));
    tile.Fill(sdf::Outline(sdf::Box(art::kMiddle, {11.5f, 15.5f}, 2), 0.5f),
              Shade(inks[static_cast<std::size_t>(object % 5)], 0.45f));
    const Rgb ink = inks[static_cast<std::size_t>(object % 5)];
    const Sdf symbol = Suit(object % 4);
    tile.Fill(symbol, shade::Cushion(symbol, ink, 3.5f, 0.7f));
}

}  // namespace picgen
