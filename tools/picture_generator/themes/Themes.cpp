#include "Theme.h"

namespace picgen {

const std::array<Theme, 12>& Themes() {
    static const std::array<Theme, 12> themes = {{
        {"gems", 0.72f, 0.55f, 0.30f, DrawGem},
        {"fruit", 0.08f, 0.45f, 0.42f, DrawFruit},
        {"suits", 0.38f, 0.65f, 0.36f, DrawSuit},
        {"planets", 0.66f, 0.65f, 0.20f, DrawPlanet},
        {"flowers", 0.30f, 0.50f, 0.32f, DrawFlower},
        {"runes", 0.58f, 0.20f, 0.34f, DrawRune},
        {"marbles", 0.97f, 0.60f, 0.33f, DrawMarble},
        {"stars", 0.62f, 0.70f, 0.34f, DrawStar},
        {"shields", 0.10f, 0.18f, 0.40f, DrawShield},
        {"snowflakes", 0.58f, 0.60f, 0.42f, DrawSnowflake},
        {"shapes", 0.80f, 0.18f, 0.28f, DrawShape},
        {"dice", 0.48f, 0.60f, 0.34f, DrawDie},
    }};
    return themes;
}

}  // namespace picgen
