#pragma once

#include <functional>
#include <vector>

#include "Geometry.h"

namespace picgen {

// A shape as a signed distance in pixels: negative inside, positive outside.
// Painting turns the distance into edge coverage, which gives anti-aliasing.
using Sdf = std::function<float(Vec2)>;

namespace sdf {

// The whole plane: for grounds that fill their painter's area.
Sdf Everywhere();
Sdf Circle(Vec2 center, float radius);
// Close to a true distance near the outline, which is all the coverage needs.
Sdf Ellipse(Vec2 center, float radiusX, float radiusY);
Sdf Box(Vec2 center, Vec2 halfSize, float cornerRadius);
Sdf Polygon(std::vector<Vec2> points);
Sdf Capsule(Vec2 from, Vec2 to, float radius);

Sdf Union(Sdf a, Sdf b);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf from, Sdf cut);
Sdf Grow(Sdf shape, float amount);
// The band of the given half width along the outline.
Sdf Outline(Sdf shape, float halfWidth);
Sdf Translate(Sdf shape, Vec2 offset);
Sdf Rotate(Sdf shape, Vec2 pivot, float radians);
// A union with a rounded fillet of about `radius` where the shapes meet.
Sdf SmoothUnion(Sdf a, Sdf b, float radius);

std::vector<Vec2> RegularPolygon(Vec2 center, float radius, int corners, float rotation);
std::vector<Vec2> Star(Vec2 center, float outer, float inner, int points, float rotation);
// The polygon's points moved towards (factor < 1) or away from its center.
std::vector<Vec2> ScaleAbout(const std::vector<Vec2>& points, Vec2 center, float factor);

}  // namespace sdf

}  // namespace picgen
