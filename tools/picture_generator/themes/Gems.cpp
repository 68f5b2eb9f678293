#include <array>
#include <vector>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

using Outline = std::vector<Vec2>;

Outline Parametric(int points, Vec2 (*at)(float turn)) {
    Outline outline;
    for (int i = 0; i < points; ++i)
        outline.push_back(art::kMiddle + at(static_cast<float>(i) / static_cast<float>(points)));
    return outline;
}

Outline Cut(int cut) {
    switch (cut) {
        case 0:  // round
            return sdf::RegularPolygon(art::kMiddle, 16.5f, 8, det::kPi / 8);
        case 1: {  // emerald cut
            const float w = 12;
            const float h = 16;
            const float c = 4.5f;
            return {{24 - w + c, 24 - h}, {24 + w - c, 24 - h}, {24 + w, 24 - h + c},
                    {24 + w, 24 + h - c}, {24 + w - c, 24 + h}, {24 - w + c, 24 + h},
                    {24 - w, 24 + h - c}, {24 - w, 24 - h + c}};
        }
        case 2:  // pear, point up
            return Parametric(12, [](float t) {
                const float a = 2 * det::kPi * t;
                const float narrowing = det::Sqrt((1 - det::Cos(a)) / 2);
                return Vec2{13.5f * det::Sin(a) * narrowing, -17 * det::Cos(a) + 2};
            });
        case 3:  // marquise, leaning
            return Parametric(12, [](float t) {
                const float a = 2 * det::kPi * t;
                const float s = det::Sin(a);
                const Vec2 p{11.5f * s * (s < 0 ? -s : s), -18 * det::Cos(a)};
                return det::Rotate(p, det::kPi / 5);
            });
        default:  // heart
            return Parametric(16, [](float t) {
                const float a = 2 * det::kPi * t;
                const float s = det::Sin(a);
                const float x = 16 * s * s * s;
                const float y =
                    13 * det::Cos(a) - 5 * det::Cos(2 * a) - 2 * det::Cos(3 * a) - det::Cos(4 * a);
                return Vec2{x * 0.95f, -y * 0.95f - 1};
            });
    }
}

Vec2 Centroid(const Outline& outline) {
    Vec2 sum;
    for (Vec2 p : outline) sum = sum + p;
    return sum * (1.0f / static_cast<float>(outline.size()));
}

// Crown facets between the girdle and the table, three to an edge, each lit
// by the way it faces.
void DrawFacets(const Painter& tile, const Outline& girdle, const Outline& table, Rgb colour) {
    const Vec2 middle = Centroid(girdle);
    auto paint = [&](const Outline& facet, float tilt) {
        const Vec2 out = det::Normalize(Centroid(facet) - middle);
        tile.Fill(sdf::Polygon(facet), shade::Lit(colour, {out.x * tilt, out.y * tilt, 1}, 0.9f));
    };
    for (std::size_t i = 0; i < girdle.size(); ++i) {
        const std::size_t next = (i + 1) % girdle.size();
        const Vec2 edgeMiddle = (girdle[i] + girdle[next]) * 0.5f;
        paint({girdle[i], edgeMiddle, table[i]}, 1.6f);
        paint({edgeMiddle, girdle[next], table[next]}, 1.1f);
        paint({table[i], edgeMiddle, table[next]}, 0.6f);
    }
    const Vec2 tableMiddle = Centroid(table);
    tile.Fill(sdf::Polygon(table), [=](Vec2 p) {
        const float toward = det::Clamp01(0.5f + (p.x - tableMiddle.x + p.y - tableMiddle.y) / 24);
        return Mix(Shade(colour, 0.45f), Shade(colour, 0.05f), toward);
    });
}

}  // namespace

void DrawGem(const Painter& tile, int object, int variant) {
    static const std::array<Rgb, 8> stones = {
        Hex(0xE0183A), Hex(0xF07A10), Hex(0xF4C81E), Hex(0x18B458),
        Hex(0x38D0E8), Hex(0x2850E0), Hex(0x9A3CE0), Hex(0xF05AAA),
    };
    const Rgb colour = stones[static_cast<std::size_t>(object % 8)];
    const Outline girdle = Cut(object % 5);
    const Sdf shape = sdf::Polygon(girdle);
    tile.Soft(sdf::Translate(shape, {1.5f, 2.5f}), {0, 0, 0}, 2.0f, 0.5f);
    if (variant % 3 != 0) {
        const Rgb metal = variant % 3 == 1 ? Hex(0xE0B040) : Hex(0xD0D4DC);
        const Sdf bezel = sdf::Grow(shape, 1.8f);
        tile.Fill(bezel, shade::Cushion(bezel, metal, 2.0f, 0.8f));
    }
    tile.Fill(shape, Shade(colour, -0.5f));
    const Outline table = sdf::ScaleAbout(girdle, Centroid(girdle), 0.5f);
    DrawFacets(tile, sdf::ScaleAbout(girdle, Centroid(girdle), 0.94f), table, colour);
    art::Gloss(tile, Centroid(table) + Vec2{-3, -3}, 2.2f, 1.4f, 0.8f);
}

}  // namespace picgen
