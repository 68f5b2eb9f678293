#include <array>

#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

namespace {

const Rgb kStem = Hex(0x6A4020);
const Rgb kLeaf = Hex(0x3C9A30);

void Leaf(const Painter& tile, Vec2 at, float angle, float length) {
    const Sdf leaf = sdf::Rotate(sdf::Ellipse(at, length, length * 0.45f), at, angle);
    tile.Fill(leaf, shade::Cushion(leaf, kLeaf, 2, 0.3f));
}

void Round(const Painter& tile, const Sdf& body, Vec2 centre, float radius, Rgb colour) {
    tile.Soft(sdf::Translate(body, {1.5f, 2}), {0, 0, 0}, 1.6f, 0.5f);
    tile.Fill(body, [=](Vec2 p) {
        const Rgb sphere = shade::Sphere(centre, radius, colour, 0.5f)(p);
        return Mix(sphere, shade::Cushion(body, colour, 4, 0.5f)(p), 0.4f);
    });
}

void Apple(const Painter& tile, Rgb colour) {
    tile.Fill(sdf::Capsule({24, 14}, {26, 7}, 1.3f), kStem);
    const Sdf body =
        sdf::SmoothUnion(sdf::Circle({19.5f, 26}, 11), sdf::Circle({28.5f, 26}, 11), 3);
    Round(tile, body, {24, 25}, 15, colour);
    Leaf(tile, {30, 9}, -0.5f, 5.5f);
}

void Citrus(const Painter& tile, Rgb colour, bool pointed) {
    Sdf body = sdf::Ellipse({24, 25}, pointed ? 15 : 14, pointed ? 11.5f : 14);
    if (pointed) body = sdf::SmoothUnion(body, sdf::Capsule({8, 25}, {40, 25}, 2.5f), 3);
    const Sdf tilted = sdf::Rotate(body, {24, 25}, -0.35f);
    Round(tile, tilted, {24, 25}, 15, colour);
    if (!pointed) Leaf(tile, {28, 11}, -0.3f, 5);
}

void Cherries(const Painter& tile) {
    tile.Fill(sdf::Capsule({17, 28}, {27, 8}, 1.1f), kStem);
    tile.Fill(sdf::Capsule({31, 28}, {27, 8}, 1.1f), kStem);
    for (Vec2 c : {Vec2{16, 31}, Vec2{32, 30}}) Round(tile, sdf::Circle(c, 8), c, 8, Hex(0xC8101E));
    Leaf(tile, {32, 10}, 0.3f, 5);
}

void Grapes(const Painter& tile, Rgb colour) {
    tile.Fill(sdf::Capsule({24, 13}, {26, 6}, 1.3f), kStem);
    static const std::array<Vec2, 10> berries = {
        Vec2{15, 17}, Vec2{24, 16}, Vec2{33, 17}, Vec2{19.5f, 24}, Vec2{28.5f, 24},
        Vec2{15, 25}, Vec2{33, 25}, Vec2{24, 31}, Vec2{19.5f, 33}, Vec2{28.5f, 33}};
    for (Vec2 c : berries) {
        tile.Fill(sdf::Circle(c + Vec2{1, 1.2f}, 5), {0, 0, 0}, 0.3f);
        tile.Fill(sdf::Circle(c, 5), shade::Sphere(c, 5, colour, 0.6f));
    }
    Leaf(tile, {31, 10}, -0.4f, 5);
}

void Pear(const Painter& tile) {
    tile.Fill(sdf::Capsule({24, 12}, {25, 5}, 1.3f), kStem);
    const Sdf body = sdf::SmoothUnion(sdf::Circle({24, 30}, 11), sdf::Circle({24, 16}, 6.5f), 6);
    Round(tile, body, {23, 27}, 14, Hex(0xB8D040));
}

void Strawberry(const Painter& tile) {
    const Sdf body = sdf::Grow(sdf::Polygon({{11, 17}, {37, 17}, {24, 39}}), 4);
    Round(tile, body, {24, 23}, 16, Hex(0xE0202C));
    for (int i = 0; i < 9; ++i) {
        const Vec2 seed{16 + static_cast<float>(i % 3) * 8 + static_cast<float>(i / 3 % 2) * 4 - 2,
                        21 + static_cast<float>(i / 3) * 6};
        if (body(seed) < -2) tile.Fill(sdf::Ellipse(seed, 1, 1.5f), Hex(0xF8E070));
    }
    const Sdf calyx = sdf::Polygon(sdf::Star({24, 14}, 9, 3, 5, det::kPi / 2));
    tile.Fill(calyx, shade::Cushion(calyx, kLeaf, 1.5f, 0.3f));
}

void Plum(const Painter& tile, Rgb colour) {
    const Sdf body = sdf::Ellipse({24, 25}, 13, 15);
    Round(tile, body, {24, 25}, 15, colour);
    tile.Fill(sdf::Capsule({24, 11}, {25, 6}, 1.2f), kStem);
}

void Slice(const Painter& tile, Rgb rind, Rgb flesh, bool kiwi) {
    const Vec2 c = art::kMiddle;
    tile.Soft(sdf::Circle(c + Vec2{1.5f, 2}, 16), {0, 0, 0}, 1.6f, 0.5f);
    tile.Fill(sdf::Circle(c, 16), shade::Cushion(sdf::Circle(c, 16), rind, 2, 0.4f));
    tile.Fill(sdf::Circle(c, 13.5f), Shade(flesh, 0.55f));
    tile.Fill(sdf::Circle(c, 12.5f), flesh);
    if (kiwi) {
        tile.Fill(sdf::Circle(c, 5), Shade(flesh, 0.6f));
        for (int i = 0; i < 10; ++i)
            tile.Fill(sdf::Circle(c + det::Polar(7, det::kPi / 5 * static_cast<float>(i)), 1.2f),
                      Hex(0x1E1A14));
        return;
    }
    for (int i = 0; i < 8; ++i)
        tile.Fill(sdf::Capsule(c, c + det::Polar(12, det::kPi / 4 * static_cast<float>(i)), 0.9f),
                  Shade(flesh, 0.6f));
    tile.Fill(sdf::Circle(c, 2), Shade(flesh, 0.6f));
}

void Watermelon(const Painter& tile) {
    const Vec2 c{24, 14};
    const Sdf half = sdf::Intersect(sdf::Circle(c, 20), [c](Vec2 p) { return c.y - p.y; });
    tile.Soft(sdf::Translate(half, {1.5f, 2}), {0, 0, 0}, 1.6f, 0.5f);
    tile.Fill(half, shade::Cushion(half, Hex(0x2C8A30), 2, 0.3f));
    tile.Fill(sdf::Intersect(sdf::Circle(c, 17), half), Hex(0xE8F0C0));
    tile.Fill(sdf::Intersect(sdf::Circle(c, 15.5f), half), Hex(0xF03848));
    for (int i = 0; i < 5; ++i)
        tile.Fill(
            sdf::Ellipse(c + det::Polar(9.5f, 0.5f + 0.53f * static_cast<float>(i)), 1.1f, 1.7f),
            Hex(0x201818));
}

void Banana(const Painter& tile) {
    // A tapering arc of capsules, hanging from its stalk at the top right.
    constexpr int kSegments = 12;
    const Vec2 hub{22, 6};
    const auto at = [hub](float t) { return hub + det::Polar(24, det::Mix(0.55f, 2.45f, t)); };
    const auto thickness = [](float t) { return 1.5f + 5.5f * det::Sin(det::kPi * t); };
    Sdf body = sdf::Circle(at(0), thickness(0));
    for (int i = 0; i < kSegments; ++i) {
        const float t0 = static_cast<float>(i) / kSegments;
        const float t1 = static_cast<float>(i + 1) / kSegments;
        body = sdf::Union(body, sdf::Capsule(at(t0), at(t1), thickness((t0 + t1) / 2)));
    }
    Round(tile, body, {24, 28}, 14, Hex(0xF5D030));
    tile.Fill(sdf::Circle(at(0), 2), Hex(0x5A3A18));
    tile.Fill(sdf::Circle(at(1), 1.6f), Hex(0x5A3A18));
}

void Blueberries(const Painter& tile) {
    for (Vec2 c : {Vec2{17, 19}, Vec2{31, 20}, Vec2{24, 31}}) {
        Round(tile, sdf::Circle(c, 8), c, 8, Hex(0x3A4EA8));
        tile.Fill(sdf::Polygon(sdf::Star(c + Vec2{-1, -1}, 2.4f, 1, 5, 0)), Hex(0x1E2450));
    }
}

}  // namespace

// Nineteen fruits, whole and sliced.
void DrawFruit(const Painter& tile, int object, int /*variant*/) {
    switch (object) {
        case 0:
            return Apple(tile, Hex(0xD8202A));
        case 1:
            return Citrus(tile, Hex(0xF58A1F), false);
        case 2:
            return Citrus(tile, Hex(0xF5D838), true);
        case 3:
            return Cherries(tile);
        case 4:
            return Grapes(tile, Hex(0x6A2A80));
        case 5:
            return Pear(tile);
        case 6:
            return Strawberry(tile);
        case 7:
            return Plum(tile, Hex(0x5A2A6A));
        case 8:
            return Watermelon(tile);
        case 9:
            return Apple(tile, Hex(0x7CC838));
        case 10:
            return Slice(tile, Hex(0x7A5A30), Hex(0x7CC040), true);
        case 11:
            return Banana(tile);
        case 12:
            return Plum(tile, Hex(0xF8A070));
        case 13:
            return Slice(tile, Hex(0xF07A10), Hex(0xF8A030), false);
        case 14:
            return Grapes(tile, Hex(0xA8D050));
        case 15:
            return Blueberries(tile);
        case 16:
            return Citrus(tile, Hex(0x5CC030), true);
        case 17:
            return Slice(tile, Hex(0xE8C820), Hex(0xF8E878), false);
        default:
            return Apple(tile, Hex(0xF0C838));
    }
}

}  // namespace picgen
