#pragma once

#include "platform/Canvas.h"

// The program's layouts are fixed in pixels: dialog units convert at the base
// units of an 8-point "MS Sans Serif" on a 96-dpi screen, 6 x 13, whatever
// font the system really has. Each edge is rounded to the nearest pixel,
// halves up.
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

constexpr int DialogUnitsToPixelsX(int units) { return (units * kBaseUnitX * 2 + 4) / 8; }
constexpr int DialogUnitsToPixelsY(int units) { return (units * kBaseUnitY * 2 + 8) / 16; }

constexpr Rect DialogUnitsToPixels(int x, int y, int width, int height) {
    return {DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(x + width),
            DialogUnitsToPixelsY(y + height)};
}
