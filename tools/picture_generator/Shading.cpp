#include "Shading.h"

#include <algorithm>
#include <utility>

#include "DetMath.h"

namespace picgen {

namespace shade {
namespace {

Normal Normalized(Normal n) {
    const float length = det::Sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    return {n.x / length, n.y / length, n.z / length};
}

const Normal kLight = Normalized({-0.5f, -0.65f, 0.75f});
// Half-way between the light and the eye, for the specular highlight.
const Normal kHalf = Normalized({kLight.x, kLight.y, kLight.z + 1});

}  // namespace

Rgb Lit(Rgb base, Normal normal, float gloss) {
    const Normal n = Normalized(normal);
    const float diffuse = std::max(0.0f, n.x * kLight.x + n.y * kLight.y + n.z * kLight.z);
    const float facing = std::max(0.0f, n.x * kHalf.x + n.y * kHalf.y + n.z * kHalf.z);
    const float specular = gloss * det::PowInt(facing, 24);
    const Rgb lit = Scale(base, 0.35f + 0.8f * diffuse);
    return Add(lit, {specular, specular, specular});
}

Vec2 OutlineDirection(const Sdf& shape, Vec2 p) {
    constexpr float kStep = 0.25f;
    return det::Normalize({shape(p + Vec2{kStep, 0}) - shape(p - Vec2{kStep, 0}),
                           shape(p + Vec2{0, kStep}) - shape(p - Vec2{0, kStep})});
}

Shader Flat(Rgb colour) {
    return [colour](Vec2) { return colour; };
}

Shader Vertical(Rgb top, Rgb bottom, float fromY, float toY) {
    return [=](Vec2 p) { return Mix(top, bottom, det::Clamp01((p.y - fromY) / (toY - fromY))); };
}

Shader Cushion(Sdf shape, Rgb base, float rim, float gloss) {
    return Cushion(std::move(shape), Flat(base), rim, gloss);
}

Shader Cushion(Sdf shape, Shader base, float rim, float gloss) {
    return [=](Vec2 p) {
        const float depth = det::Clamp01(-shape(p) / rim);
        // A quarter circle profile: steep at the edge, level inside.
        const float fromEdge = 1 - depth;
        const float height = det::Sqrt(1 - fromEdge * fromEdge);
        const float slope = fromEdge / std::max(height, 0.25f);
        const Vec2 out = OutlineDirection(shape, p);
        return Lit(base(p), {out.x * slope, out.y * slope, 1}, gloss);
    };
}

Shader Sphere(Vec2 center, float radius, Rgb base, float gloss) {
    return [=](Vec2 p) {
        const Vec2 q = (p - center) * (1.0f / radius);
        const float z = det::Sqrt(std::max(0.04f, 1 - Dot(q, q)));
        return Lit(base, {q.x, q.y, z}, gloss);
    };
}

void Raised(const Painter& painter, const Sdf& shape, Rgb base, float rim, float gloss) {
    painter.Soft(sdf::Translate(shape, {1.5f, 2.0f}), {0, 0, 0}, 1.8f, 0.45f);
    painter.Fill(shape, Cushion(shape, base, rim, gloss));
}

}  // namespace shade

}  // namespace picgen
