#include "SidePicture.h"

#include "DetMath.h"
#include "Random.h"
#include "Shading.h"

namespace picgen {

namespace {

constexpr float kHorizon = 330;
const Vec2 kSun{150, kHorizon};

Rgb Sky(float y) {
    const Rgb night = Hex(0x0E0E2E);
    const Rgb dusk = Hex(0x3A2668);
    const Rgb glow = Hex(0xE07848);
    if (y < 200) return Mix(night, dusk, y / 200);
    return Mix(dusk, glow, det::SmoothStep(200, kHorizon, y));
}

void PaintStars(const Painter& panel) {
    Random random(10);
    for (int i = 0; i < 70; ++i) {
        const Vec2 at{random.Between(4, 255), random.Between(4, 230)};
        const float size = random.Between(0.5f, 1.3f);
        panel.Fill(sdf::Circle(at, size), Hex(0xFFF4D8), det::Clamp01(1.1f - at.y / 260));
    }
}

// The maker's big "10", faint across the sky.
void PaintTen(const Painter& panel) {
    const Sdf one =
        sdf::Union(sdf::Capsule({72, 92}, {72, 246}, 13), sdf::Capsule({72, 92}, {44, 116}, 11));
    const Sdf zero = sdf::Outline(sdf::Ellipse({162, 169}, 48, 77), 13);
    const Sdf ten = sdf::Union(one, zero);
    panel.Soft(ten, Hex(0xB090FF), 10, 0.16f);
    panel.Fill(ten, shade::Vertical(Hex(0x6A58C0), Hex(0x9060B0), 90, 250), 0.35f);
    panel.Fill(sdf::Outline(ten, 1.2f), Hex(0xC8B8FF), 0.4f);
}

// Two ridges of hills in front of the setting sun.
void PaintLand(const Painter& panel) {
    panel.Soft(sdf::Circle(kSun, 34), Hex(0xFFC070), 24, 0.5f);
    panel.Fill(sdf::Circle(kSun, 26),
               shade::Vertical(Hex(0xFFF0B0), Hex(0xF89850), kSun.y - 26, kSun.y));
    const auto ridge = [](float base, float a, float b, float phase) -> Sdf {
        return [=](Vec2 p) {
            const float top =
                base - a * det::Sin(p.x * 0.021f + phase) - b * det::Sin(p.x * 0.057f + 2 * phase);
            return (top - p.y) * 0.9f;
        };
    };
    panel.Fill(ridge(kHorizon + 4, 14, 6, 0.5f),
               shade::Vertical(Hex(0x5A2E60), Hex(0x2A1838), 310, 400));
    panel.Fill(ridge(kHorizon + 52, 18, 5, 2.4f),
               shade::Vertical(Hex(0x2A1830), Hex(0x120A18), 360, 444));
}

}  // namespace

Canvas PaintSidePicture() {
    Canvas canvas(kSideWidth, kSideHeight);
    const Painter panel(canvas, 0, 0, kSideWidth, kSideHeight);
    panel.Fill(sdf::Everywhere(), [](Vec2 p) { return Sky(p.y); });
    PaintStars(panel);
    PaintTen(panel);
    PaintLand(panel);
    return canvas;
}

IndexedImage MakeSidePicture() {
    return Quantize(PaintSidePicture(), kSideColours, Dither::ErrorDiffusion);
}

}  // namespace picgen
