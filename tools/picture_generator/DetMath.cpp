#include "DetMath.h"

#include <cmath>

namespace picgen {

namespace det {
namespace {

constexpr double kPiD = 3.14159265358979323846;

// Taylor series of sine for |x| <= pi/2.
double SinReduced(double x) {
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 7; ++n) {
        term *= -x2 / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

// Arctangent for |x| <= 1: two argument halvings, then the series.
double AtanReduced(double x) {
    for (int i = 0; i < 2; ++i) x = x / (1.0 + std::sqrt(1.0 + x * x));
    const double x2 = x * x;
    double power = x;
    double sum = x;
    for (int n = 1; n <= 9; ++n) {
        power *= -x2;
        sum += power / (2 * n + 1);
    }
    return 4.0 * sum;
}

}  // namespace

float Sqrt(float x) { return x > 0 ? std::sqrt(x) : 0.0f; }

float Sin(float radians) {
    double x = radians;
    x -= 2.0 * kPiD * std::floor(x / (2.0 * kPiD) + 0.5);
    if (x > kPiD / 2) x = kPiD - x;
    if (x < -kPiD / 2) x = -kPiD - x;
    return static_cast<float>(SinReduced(x));
}

float Cos(float radians) { return Sin(radians + kPi / 2); }

float Atan2(float y, float x) {
    if (x == 0 && y == 0) return 0;
    const double ay = std::fabs(y);
    const double ax = std::fabs(x);
    double angle = ay <= ax ? AtanReduced(ay / ax) : kPiD / 2 - AtanReduced(ax / ay);
    if (x < 0) angle = kPiD - angle;
    return static_cast<float>(y < 0 ? -angle : angle);
}

float Length(Vec2 v) { return Sqrt(Dot(v, v)); }

Vec2 Normalize(Vec2 v) {
    const float length = Length(v);
    return length > 0 ? v * (1.0f / length) : Vec2{0, 0};
}

Vec2 Polar(float radius, float radians) { return {radius * Cos(radians), radius * Sin(radians)}; }

Vec2 Rotate(Vec2 v, float radians) {
    const float c = Cos(radians);
    const float s = Sin(radians);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

float Clamp01(float x) { return x < 0 ? 0 : (x > 1 ? 1 : x); }

float Mix(float a, float b, float t) { return a + (b - a) * t; }

float SmoothStep(float edge0, float edge1, float x) {
    const float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float PowInt(float base, int exponent) {
    float result = 1;
    for (int i = 0; i < exponent; ++i) result *= base;
    return result;
}

}  // namespace det

}  // namespace picgen
