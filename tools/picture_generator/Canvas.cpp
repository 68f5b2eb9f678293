#include "Canvas.h"

#include "DetMath.h"

namespace picgen {

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), fill) {}

Painter::Painter(Canvas& canvas, int left, int top, int width, int height)
    : canvas_(canvas), left_(left), top_(top), width_(width), height_(height) {}

void Painter::Fill(const Sdf& shape, const Shader& shader, float opacity) const {
    Blend([&](Vec2 p) { return det::Clamp01(0.5f - shape(p)) * opacity; }, shader);
}

void Painter::Fill(const Sdf& shape, Rgb colour, float opacity) const {
    Fill(
        shape, [colour](Vec2) { return colour; }, opacity);
}

void Painter::Soft(const Sdf& shape, Rgb colour, float blur, float opacity) const {
    Blend([&](Vec2 p) { return det::SmoothStep(blur, -blur, shape(p)) * opacity; },
          [colour](Vec2) { return colour; });
}

void Painter::Blend(const std::function<float(Vec2)>& coverage, const Shader& shader) const {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Vec2 p{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            const float alpha = coverage(p);
            if (alpha <= 0) continue;
            const Rgb below = canvas_.At(left_ + x, top_ + y);
            canvas_.Set(left_ + x, top_ + y, Mix(below, shader(p), alpha));
        }
    }
}

}  // namespace picgen
