#pragma once

#include <functional>
#include <vector>

#include "Color.h"
#include "Sdf.h"

namespace picgen {

// The colour of a shape at a point (in the painter's local pixels).
using Shader = std::function<Rgb(Vec2)>;

// A full-colour image that pictures are painted on before they get a palette.
class Canvas {
public:
    Canvas(int width, int height, Rgb fill = {});
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[y * width_ + x]; }
    void Set(int x, int y, Rgb colour) { pixels_[y * width_ + x] = colour; }

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// Paints into one rectangle of a canvas in local coordinates: pixel (x, y)
// of the rectangle is sampled at its centre (x + 0.5, y + 0.5).
class Painter {
public:
    Painter(Canvas& canvas, int left, int top, int width, int height);
    float Width() const { return static_cast<float>(width_); }
    float Height() const { return static_cast<float>(height_); }
    Vec2 Center() const { return {Width() / 2, Height() / 2}; }

    void Fill(const Sdf& shape, const Shader& shader, float opacity = 1) const;
    void Fill(const Sdf& shape, Rgb colour, float opacity = 1) const;
    // A blurred copy of the shape: drop shadows (black) and glows.
    void Soft(const Sdf& shape, Rgb colour, float blur, float opacity) const;

private:
    // coverage maps a point to how much of the pixel is painted, 0..1.
    void Blend(const std::function<float(Vec2)>& coverage, const Shader& shader) const;

    Canvas& canvas_;
    int left_;
    int top_;
    int width_;
    int height_;
};

}  // namespace picgen
