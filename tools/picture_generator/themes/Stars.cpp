#include "ArtKit.h"
#include "Theme.h"

namespace picgen {

// Bevelled stars of four to eight points: each arm is a ridge with a lit
// and a shaded side.
void DrawStar(const Painter& tile, int object, int variant) {
    const int points = 4 + object % 5;
    const float inner = points == 4 ? 6.5f : 7.5f + 0.2f * static_cast<float>(points);
    const float turn =
        -det::kPi / 2 + (variant % 2 == 0 ? 0.0f : det::kPi / static_cast<float>(points) / 2);
    const auto outline = sdf::Star(art::kMiddle, 18, inner, points, turn);
    const Rgb colour = art::Vivid(object % 8);
    const Sdf star = sdf::Polygon(outline);
    tile.Soft(star, Shade(colour, 0.3f), 3.5f, 0.35f);
    tile.Soft(sdf::Translate(star, {1.5f, 2}), {0, 0, 0}, 1.6f, 0.5f);
    tile.Fill(star, Shade(colour, -0.3f));
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Vec2 a = outline[i];
        const Vec2 b = outline[(i + 1) % outline.size()];
        const Vec2 tip = i % 2 == 0 ? a : b;
        const Vec2 valley = i % 2 == 0 ? b : a;
        // The face slopes from the ridge (middle to tip) down towards the valley.
        const Vec2 ridge = det::Normalize(tip - art::kMiddle);
        const Vec2 side =
            det::Normalize(valley - art::kMiddle - ridge * Dot(valley - art::kMiddle, ridge));
        tile.Fill(sdf::Polygon({art::kMiddle, a, b}),
                  shade::Lit(colour, {side.x * 0.8f, side.y * 0.8f, 1}, 0.6f));
    }
    art::Gloss(tile, art::kMiddle + Vec2{-1.5f, -2}, 2, 1.5f, 0.55f);
}

}  // namespace picgen
