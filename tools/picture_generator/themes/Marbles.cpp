#include <array>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

constexpr float kRadius = 15;

// The pattern inside the glass of each kind of marble.
Shader Pattern(int kind, Rgb colour) {
    const Vec2 m = art::kMiddle;
    switch (kind) {
        case 1:  // cat's eye: a wavy vane inside tinted clear glass
            return [=](Vec2 p) {
                const Vec2 q = det::Rotate(p - m, 0.6f);
                const float wave = q.y - 3 * det::Sin(q.x * 0.3f);
                const float vane = (wave < 0 ? -wave : wave) - 2.6f;
                return Mix(Mix(Hex(0xD8EEF4), colour, 0.3f), Shade(colour, -0.15f),
                           det::SmoothStep(0.7f, -0.7f, vane));
            };
        case 2:  // swirl
            return [=](Vec2 p) {
                const Vec2 q = p - m;
                const float swirl = det::Sin(3 * det::Atan2(q.y, q.x) + det::Length(q) * 0.32f);
                return Mix(Hex(0xF4F4F0), colour, det::SmoothStep(-0.25f, 0.25f, swirl));
            };
        case 3:  // striped ball with a white spot
            return [=](Vec2 p) {
                const Vec2 q = det::Rotate(p - m, -0.4f);
                const float band = (q.y < 0 ? -q.y : q.y) - 6.5f;
                const float spot = det::Length(q - Vec2{-1, 0}) - 4.5f;
                const Rgb striped = Mix(Hex(0xF4F4F0), colour, det::SmoothStep(0.6f, -0.6f, band));
                return Mix(striped, Hex(0xF8F8F4), det::SmoothStep(0.6f, -0.6f, spot));
            };
        default:
            return shade::Flat(colour);
    }
}

}  // namespace

// Glass marbles: plain, cat's eye, swirl and striped, in five colours.
void DrawMarble(const Painter& tile, int object, int variant) {
    static const std::array<int, 5> colours = {0, 2, 3, 5, 6};
    const Rgb colour =
        art::Vivid(colours[static_cast<std::size_t>(object % 5)] + (variant == 6 ? 1 : 0));
    const Sdf ball = sdf::Circle(art::kMiddle, kRadius);
    tile.Soft(sdf::Ellipse(art::kMiddle + Vec2{3, 13}, 13, 4), {0, 0, 0}, 2.5f, 0.5f);
    const Shader pattern = Pattern(object % 4, colour);
    tile.Fill(ball, [=](Vec2 p) {
        const Rgb lit = shade::Sphere(art::kMiddle, kRadius, pattern(p), 1.0f)(p);
        // Light gathers at the side away from the lamp, as in real glass.
        const float caustic = det::Clamp01(Dot(det::Normalize(p - art::kMiddle), {0.6f, 0.8f})) *
                              det::SmoothStep(6, 14, det::Length(p - art::kMiddle));
        return Mix(lit, Shade(pattern(p), 0.35f), 0.35f * caustic);
    });
    art::Gloss(tile, art::kMiddle + Vec2{-5.5f, -6.5f}, 4.5f, 2.8f, 0.55f);
}

}  // namespace picgen
