#pragma once

#include <cstdint>

namespace picgen {

// A colour with components 0..1 (values outside are clamped on output).
struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};

// An 8-bit colour as it lands in a colour table.
struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb c, float factor);
Rgb Add(Rgb a, Rgb b);
// Towards white (amount > 0) or black (amount < 0).
Rgb Shade(Rgb c, float amount);
// Hue in turns (0..1, wrapping), saturation and value 0..1.
Rgb Hsv(float hueTurns, float saturation, float value);
Rgb Hex(std::uint32_t rgb);
float Luma(Rgb c);
Rgb8 ToRgb8(Rgb c);
Rgb ToRgb(Rgb8 c);

}  // namespace picgen
