#pragma once

#include <array>

#include "../Canvas.h"

namespace picgen {

// One category of seven pictures: a motif drawn on every tile and the
// colour of the tiles' ground. Each picture is a strip of 19 tiles, each
// tile showing one of the theme's 19 objects.
using TileArt = void (*)(const Painter& tile, int object, int variant);

struct Theme {
    const char* name;
    float groundHue;  // in turns
    float groundSaturation;
    float groundValue;
    TileArt draw;
};

inline constexpr int kObjectsPerTheme = 19;

const std::array<Theme, 12>& Themes();

// The drawing of each theme, one file each.
void DrawGem(const Painter& tile, int object, int variant);
void DrawFruit(const Painter& tile, int object, int variant);
void DrawSuit(const Painter& tile, int object, int variant);
void DrawPlanet(const Painter& tile, int object, int variant);
void DrawFlower(const Painter& tile, int object, int variant);
void DrawRune(const Painter& tile, int object, int variant);
void DrawMarble(const Painter& tile, int object, int variant);
void DrawStar(const Painter& tile, int object, int variant);
void DrawShield(const Painter& tile, int object, int variant);
void DrawSnowflake(const Painter& tile, int object, int variant);
void DrawShape(const Painter& tile, int object, int variant);
void DrawDie(const Painter& tile, int object, int variant);

}  // namespace picgen
