#include "Color.h"

#include <cmath>

#include "DetMath.h"

namespace picgen {

Rgb Mix(Rgb a, Rgb b, float t) {
    return {det::Mix(a.r, b.r, t), det::Mix(a.g, b.g, t), det::Mix(a.b, b.b, t)};
}

Rgb Scale(Rgb c, float factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

Rgb Add(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

Rgb Shade(Rgb c, float amount) {
    return amount >= 0 ? Mix(c, {1, 1, 1}, amount) : Mix(c, {0, 0, 0}, -amount);
}

Rgb Hsv(float hueTurns, float saturation, float value) {
    const float h = (hueTurns - std::floor(hueTurns)) * 6;
    const int sector = static_cast<int>(h) % 6;
    const float f = h - std::floor(h);
    const float p = value * (1 - saturation);
    const float q = value * (1 - saturation * f);
    const float t = value * (1 - saturation * (1 - f));
    switch (sector) {
        case 0:
            return {value, t, p};
        case 1:
            return {q, value, p};
        case 2:
            return {p, value, t};
        case 3:
            return {p, q, value};
        case 4:
            return {t, p, value};
        default:
            return {value, p, q};
    }
}

Rgb Hex(std::uint32_t rgb) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255,
            static_cast<float>((rgb >> 8) & 0xFF) / 255, static_cast<float>(rgb & 0xFF) / 255};
}

float Luma(Rgb c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

Rgb8 ToRgb8(Rgb c) {
    auto byte = [](float v) {
        return static_cast<std::uint8_t>(std::floor(det::Clamp01(v) * 255 + 0.5f));
    };
    return {byte(c.r), byte(c.g), byte(c.b)};
}

Rgb ToRgb(Rgb8 c) {
    return {static_cast<float>(c.r) / 255, static_cast<float>(c.g) / 255,
            static_cast<float>(c.b) / 255};
}

}  // namespace picgen
