#include <array>
#include <vector>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

struct Stroke {
    Vec2 from;
    Vec2 to;
};
using Glyph = std::vector<Stroke>;

// Nineteen runes of the old alphabet, in a unit box (x to the right, y down).
const std::array<Glyph, 19>& Glyphs() {
    static const std::array<Glyph, 19> glyphs = {{
        {{{0.3f, 0}, {0.3f, 1}}, {{0.3f, 0.3f}, {0.8f, 0}}, {{0.3f, 0.6f}, {0.8f, 0.3f}}},
        {{{0.25f, 1}, {0.25f, 0}}, {{0.25f, 0}, {0.75f, 0.35f}}, {{0.75f, 0.35f}, {0.75f, 1}}},
        {{{0.3f, 0}, {0.3f, 1}}, {{0.3f, 0.25f}, {0.75f, 0.5f}}, {{0.75f, 0.5f}, {0.3f, 0.75f}}},
        {{{0.3f, 0}, {0.3f, 1}}, {{0.3f, 0}, {0.75f, 0.3f}}, {{0.3f, 0.3f}, {0.75f, 0.6f}}},
        {{{0.3f, 0}, {0.3f, 1}},
         {{0.3f, 0}, {0.72f, 0.25f}},
         {{0.72f, 0.25f}, {0.3f, 0.5f}},
         {{0.3f, 0.5f}, {0.75f, 1}}},
        {{{0.7f, 0}, {0.3f, 0.5f}}, {{0.3f, 0.5f}, {0.7f, 1}}},
        {{{0.2f, 0}, {0.8f, 1}}, {{0.8f, 0}, {0.2f, 1}}},
        {{{0.3f, 0}, {0.3f, 1}}, {{0.3f, 0}, {0.72f, 0.25f}}, {{0.72f, 0.25f}, {0.3f, 0.5f}}},
        {{{0.25f, 0}, {0.25f, 1}}, {{0.75f, 0}, {0.75f, 1}}, {{0.25f, 0.35f}, {0.75f, 0.65f}}},
        {{{0.5f, 0}, {0.5f, 1}}, {{0.25f, 0.35f}, {0.75f, 0.6f}}},
        {{{0.45f, 0.05f}, {0.2f, 0.3f}},
         {{0.2f, 0.3f}, {0.45f, 0.55f}},
         {{0.55f, 0.45f}, {0.8f, 0.7f}},
         {{0.8f, 0.7f}, {0.55f, 0.95f}}},
        {{{0.5f, 0}, {0.5f, 1}}, {{0.5f, 0}, {0.8f, 0.25f}}, {{0.5f, 1}, {0.2f, 0.75f}}},
        {{{0.25f, 0}, {0.25f, 1}},
         {{0.25f, 0}, {0.55f, 0.25f}},
         {{0.55f, 0.25f}, {0.8f, 0.05f}},
         {{0.25f, 1}, {0.55f, 0.75f}},
         {{0.55f, 0.75f}, {0.8f, 0.95f}}},
        {{{0.5f, 0}, {0.5f, 1}}, {{0.5f, 0.45f}, {0.15f, 0.05f}}, {{0.5f, 0.45f}, {0.85f, 0.05f}}},
        {{{0.72f, 0}, {0.28f, 0.4f}}, {{0.28f, 0.4f}, {0.72f, 0.6f}}, {{0.72f, 0.6f}, {0.28f, 1}}},
        {{{0.5f, 0}, {0.5f, 1}}, {{0.5f, 0}, {0.15f, 0.35f}}, {{0.5f, 0}, {0.85f, 0.35f}}},
        {{{0.3f, 0}, {0.3f, 1}},
         {{0.3f, 0}, {0.72f, 0.25f}},
         {{0.72f, 0.25f}, {0.3f, 0.5f}},
         {{0.3f, 0.5f}, {0.72f, 0.75f}},
         {{0.72f, 0.75f}, {0.3f, 1}}},
        {{{0.2f, 0}, {0.2f, 1}},
         {{0.8f, 0}, {0.8f, 1}},
         {{0.2f, 0}, {0.8f, 0.45f}},
         {{0.8f, 0}, {0.2f, 0.45f}}},
        {{{0.5f, 0}, {0.82f, 0.32f}},
         {{0.82f, 0.32f}, {0.18f, 1}},
         {{0.5f, 0}, {0.18f, 0.32f}},
         {{0.18f, 0.32f}, {0.82f, 1}}},
    }};
    return glyphs;
}

Sdf GlyphShape(const Glyph& glyph, float halfWidth) {
    const auto place = [](Vec2 unit) { return Vec2{14 + unit.x * 20, 12 + unit.y * 24}; };
    Sdf shape = sdf::Capsule(place(glyph[0].from), place(glyph[0].to), halfWidth);
    for (std::size_t i = 1; i < glyph.size(); ++i)
        shape =
            sdf::Union(shape, sdf::Capsule(place(glyph[i].from), place(glyph[i].to), halfWidth));
    return shape;
}

}  // namespace

// Runes cut into stone plaques, glowing in the picture's colour.
void DrawRune(const Painter& tile, int object, int variant) {
    static const std::array<Rgb, 7> glows = {Hex(0x40D8F0), Hex(0xF0C040), Hex(0x60E070),
                                             Hex(0xF05040), Hex(0xB070F0), Hex(0xE0F0FF),
                                             Hex(0xF08830)};
    const Rgb glow = glows[static_cast<std::size_t>(variant % 7)];
    const Rgb stone = Mix(Hex(0xB4B6BC), Hex(0xC4B89C), static_cast<float>(object % 3) / 2);
    const Sdf plaque = sdf::Box(art::kMiddle, {16.5f, 18}, 4);
    tile.Soft(sdf::Translate(plaque, {1.5f, 2}), {0, 0, 0}, 1.6f, 0.5f);
    tile.Fill(plaque, shade::Cushion(
                          plaque,
                          [stone](Vec2 p) {
                              // A faint grain, so the plaque reads as stone.
                              const float grain =
                                  0.05f * det::Sin(p.x * 0.5f + 1.5f * det::Sin(p.y * 0.35f));
                              return Shade(stone, grain);
                          },
                          3, 0.15f));
    const Glyph& glyph = Glyphs()[static_cast<std::size_t>(object)];
    const Sdf groove = GlyphShape(glyph, 2.1f);
    tile.Soft(groove, glow, 2.5f, 0.45f);
    tile.Fill(groove, Shade(stone, -0.6f));
    tile.Fill(sdf::Translate(groove, {0.7f, 0.8f}), Shade(glow, 0.1f));
    tile.Fill(sdf::Translate(GlyphShape(glyph, 0.8f), {0.7f, 0.8f}), Shade(glow, 0.6f), 0.8f);
}

}  // namespace picgen
