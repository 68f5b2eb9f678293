#include "PictureStrip.h"

#include "TileGround.h"
#include "themes/Theme.h"

namespace picgen {

namespace {

// The seven pictures of a category share the theme's ground colour, each
// with a small turn of hue, so that a row of thumbnails reads as one family.
Rgb GroundColour(const Theme& theme, int variant) {
    const float hueShift = 0.035f * static_cast<float>(variant - kPicturesPerCategory / 2);
    const float lift = variant % 2 == 0 ? 1.0f : 1.12f;
    return Hsv(theme.groundHue + hueShift, theme.groundSaturation, theme.groundValue * lift);
}

}  // namespace

Canvas PaintPicture(int category, int variant) {
    const Theme& theme = Themes()[static_cast<std::size_t>(category)];
    Canvas canvas(kTileSize * kTilesPerPicture, kTileSize);
    for (int tile = 0; tile < kTilesPerPicture; ++tile) {
        const Painter painter(canvas, tile * kTileSize, 0, kTileSize, kTileSize);
        DrawTileGround(painter, GroundColour(theme, variant), variant % kGroundPatterns);
        // Each picture starts its strip with another object, so that the
        // thumbnails of a category differ.
        theme.draw(painter, (tile + 3 * variant) % kObjectsPerTheme, variant);
    }
    return canvas;
}

IndexedImage MakePicture(int category, int variant) {
    return Quantize(PaintPicture(category, variant), 256, Dither::None);
}

}  // namespace picgen
