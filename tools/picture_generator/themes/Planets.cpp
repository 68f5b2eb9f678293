#include <array>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

constexpr float kRadius = 14;

// The surface colour of each kind of planet at a point of its disc.
Shader Surface(int kind, Rgb colour, Vec2 centre, float radius) {
    switch (kind) {
        case 0:  // banded giant
            return [=](Vec2 p) {
                const float band =
                    det::Sin((p.y - centre.y) / radius * 7.5f + 0.6f * det::Sin(p.x * 0.3f));
                return Mix(colour, Shade(colour, 0.45f), det::SmoothStep(-0.3f, 0.3f, band));
            };
        case 2:  // cratered moon
            return [=](Vec2 p) {
                static const std::array<Vec2, 4> craters = {Vec2{-5, -4}, Vec2{5, 3}, Vec2{-2, 7},
                                                            Vec2{6, -7}};
                Rgb c = colour;
                for (std::size_t i = 0; i < craters.size(); ++i) {
                    const float d = det::Length(p - centre - craters[i]) -
                                    (3.6f - 0.5f * static_cast<float>(i));
                    c = Mix(c, Shade(colour, -0.35f), det::SmoothStep(0.5f, -0.5f, d));
                }
                return c;
            };
        case 3:  // ocean world with land
            return [=](Vec2 p) {
                const Vec2 q = p - centre;
                const float land = std::min(det::Length(q - Vec2{-5, -3}) - 6,
                                            det::Length(q - Vec2{6, 5}) - 5 + det::Sin(q.x * 0.9f));
                return Mix(colour, Hex(0x3CA040), det::SmoothStep(0.6f, -0.6f, land));
            };
        default:
            return shade::Flat(colour);
    }
}

}  // namespace

// Planets of four kinds (banded, ringed, cratered, ocean) in five colours.
void DrawPlanet(const Painter& tile, int object, int variant) {
    static const std::array<Rgb, 5> colours = {Hex(0xE0A060), Hex(0x4A80E0), Hex(0xC85040),
                                               Hex(0x40B8B0), Hex(0xA070D8)};
    for (int i = 0; i < 5; ++i) {
        const Vec2 spot{8 + static_cast<float>((i * 17 + object * 5 + variant * 3) % 33),
                        8 + static_cast<float>((i * 23 + object * 7) % 33)};
        tile.Fill(sdf::Circle(spot, 0.9f), {1, 1, 0.9f}, 0.8f);
    }
    const int kind = object % 4;
    const Rgb colour = colours[static_cast<std::size_t>(object % 5)];
    const float radius = kind == 1 ? 11.0f : kRadius;
    const Vec2 centre = art::kMiddle;
    const Sdf ring = sdf::Rotate(sdf::Outline(sdf::Ellipse(centre, 20, 6), 1.6f), centre, -0.35f);
    const Rgb ringColour = Shade(colours[static_cast<std::size_t>((object + 2) % 5)], 0.35f);
    if (kind == 1) tile.Fill(ring, ringColour);
    tile.Soft(sdf::Circle(centre, radius + 1), Shade(colour, 0.5f), 2.0f, 0.4f);
    const Shader surface = Surface(kind, colour, centre, radius);
    const Shader lit = shade::Sphere(centre, radius, {1, 1, 1}, 0.35f);
    tile.Fill(sdf::Circle(centre, radius), [=](Vec2 p) {
        const Rgb light = lit(p);
        const Rgb base = surface(p);
        return Rgb{base.r * light.r, base.g * light.g, base.b * light.b};
    });
    if (kind == 1) {
        // The near half of the ring passes in front of the planet.
        const Sdf nearHalf = sdf::Rotate([=](Vec2 p) { return centre.y - p.y; }, centre, -0.35f);
        tile.Fill(sdf::Intersect(ring, nearHalf), ringColour);
    }
}

}  // namespace picgen
