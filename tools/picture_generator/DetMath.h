#pragma once

#include "Geometry.h"

namespace picgen {

// Elementary functions built from + - * / and sqrt only, so that the
// generated pictures do not depend on the C library's rounding.
namespace det {

inline constexpr float kPi = 3.14159265358979f;

float Sqrt(float x);
float Sin(float radians);
float Cos(float radians);
float Atan2(float y, float x);
float Length(Vec2 v);
Vec2 Normalize(Vec2 v);
Vec2 Polar(float radius, float radians);
Vec2 Rotate(Vec2 v, float radians);

float Clamp01(float x);
float Mix(float a, float b, float t);
float SmoothStep(float edge0, float edge1, float x);
float PowInt(float base, int exponent);

}  // namespace det

}  // namespace picgen
