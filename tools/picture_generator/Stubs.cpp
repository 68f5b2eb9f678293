#include "AppIcon.h"
#include "SidePicture.h"
#include "themes/Theme.h"
Canvas PaintSidePicture() { return Canvas(kSideWidth, kSideHeight, {0.2f, 0.3f, 0.5f}); }
IndexedImage MakeSidePicture() {
    return Quantize(PaintSidePicture(), kSideColours, Dither::ErrorDiffusion);
}

#define STUB(n) \
    void n(const Painter& tile, int object, int) { DrawGem(tile, object, 0); }
STUB(DrawFruit)
STUB(DrawSuit) STUB(DrawPlanet) STUB(DrawFlower) STUB(DrawRune) STUB(DrawMarble) STUB(DrawStar)
    STUB(DrawShield) STUB(DrawSnowflake) STUB(DrawShape) STUB(DrawDie)
