#include "Sdf.h"

#include <algorithm>
#include <utility>

#include "DetMath.h"

namespace picgen {

namespace sdf {

Sdf Everywhere() {
    return [](Vec2) { return -1.0f; };
}

Sdf Circle(Vec2 center, float radius) {
    return [=](Vec2 p) { return det::Length(p - center) - radius; };
}

Sdf Ellipse(Vec2 center, float radiusX, float radiusY) {
    return [=](Vec2 p) {
        const Vec2 q = p - center;
        const float k0 = det::Length({q.x / radiusX, q.y / radiusY});
        const float k1 = det::Length({q.x / (radiusX * radiusX), q.y / (radiusY * radiusY)});
        return k1 > 0 ? k0 * (k0 - 1) / k1 : -std::min(radiusX, radiusY);
    };
}

Sdf Box(Vec2 center, Vec2 halfSize, float cornerRadius) {
    return [=](Vec2 p) {
        const Vec2 q = p - center;
        const float dx = (q.x < 0 ? -q.x : q.x) - halfSize.x + cornerRadius;
        const float dy = (q.y < 0 ? -q.y : q.y) - halfSize.y + cornerRadius;
        const float outside = det::Length({std::max(dx, 0.0f), std::max(dy, 0.0f)});
        return outside + std::min(std::max(dx, dy), 0.0f) - cornerRadius;
    };
}

Sdf Polygon(std::vector<Vec2> points) {
    return [v = std::move(points)](Vec2 p) {
        float nearest = Dot(p - v[0], p - v[0]);
        float sign = 1;
        for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const Vec2 edge = v[j] - v[i];
            const Vec2 w = p - v[i];
            const float t = det::Clamp01(Dot(w, edge) / Dot(edge, edge));
            const Vec2 b = w - edge * t;
            nearest = std::min(nearest, Dot(b, b));
            const bool above = p.y >= v[i].y;
            const bool below = p.y < v[j].y;
            const bool left = Cross(edge, w) > 0;
            if ((above && below && left) || (!above && !below && !left)) sign = -sign;
        }
        return sign * det::Sqrt(nearest);
    };
}

Sdf Capsule(Vec2 from, Vec2 to, float radius) {
    return [=](Vec2 p) {
        const Vec2 along = to - from;
        const float t = det::Clamp01(Dot(p - from, along) / Dot(along, along));
        return det::Length(p - from - along * t) - radius;
    };
}

Sdf Union(Sdf a, Sdf b) {
    return [=](Vec2 p) { return std::min(a(p), b(p)); };
}

Sdf Intersect(Sdf a, Sdf b) {
    return [=](Vec2 p) { return std::max(a(p), b(p)); };
}

Sdf Subtract(Sdf from, Sdf cut) {
    return [=](Vec2 p) { return std::max(from(p), -cut(p)); };
}

Sdf Grow(Sdf shape, float amount) {
    return [=](Vec2 p) { return shape(p) - amount; };
}

Sdf Outline(Sdf shape, float halfWidth) {
    return [=](Vec2 p) {
        const float d = shape(p);
        return (d < 0 ? -d : d) - halfWidth;
    };
}

Sdf Translate(Sdf shape, Vec2 offset) {
    return [=](Vec2 p) { return shape(p - offset); };
}

Sdf Rotate(Sdf shape, Vec2 pivot, float radians) {
    return [=](Vec2 p) { return shape(pivot + det::Rotate(p - pivot, -radians)); };
}

Sdf SmoothUnion(Sdf a, Sdf b, float radius) {
    return [=](Vec2 p) {
        const float da = a(p);
        const float db = b(p);
        const float h = det::Clamp01(0.5f + 0.5f * (db - da) / radius);
        return det::Mix(db, da, h) - radius * h * (1 - h);
    };
}

std::vector<Vec2> RegularPolygon(Vec2 center, float radius, int corners, float rotation) {
    std::vector<Vec2> points;
    for (int i = 0; i < corners; ++i)
        points.push_back(center + det::Polar(radius, rotation + 2 * det::kPi * i / corners));
    return points;
}

std::vector<Vec2> Star(Vec2 center, float outer, float inner, int points, float rotation) {
    std::vector<Vec2> outline;
    for (int i = 0; i < 2 * points; ++i)
        outline.push_back(center +
                          det::Polar(i % 2 == 0 ? outer : inner, rotation + det::kPi * i / points));
    return outline;
}

std::vector<Vec2> ScaleAbout(const std::vector<Vec2>& points, Vec2 center, float factor) {
    std::vector<Vec2> scaled;
    for (Vec2 p : points) scaled.push_back(center + (p - center) * factor);
    return scaled;
}

}  // namespace sdf

}  // namespace picgen
