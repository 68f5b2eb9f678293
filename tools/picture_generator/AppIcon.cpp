#include "AppIcon.h"

#include <algorithm>

#include "DetMath.h"
#include "TileGround.h"
#include "themes/Theme.h"

namespace picgen {

namespace {

// A picture tile with a red gem, drawn at tile size and then reduced.
Canvas PaintLarge() {
    Canvas canvas(kTileSize, kTileSize);
    const Painter tile(canvas, 0, 0, kTileSize, kTileSize);
    DrawTileGround(tile, Hsv(0.62f, 0.7f, 0.55f), 0);
    DrawGem(tile, 0, 1);
    return canvas;
}

// Area-weighted reduction, so edges stay smooth at icon size.
Canvas Reduce(const Canvas& large, int size) {
    Canvas small(size, size);
    const float ratio = static_cast<float>(large.Width()) / static_cast<float>(size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            float total = 0;
            for (int sy = 0; sy < large.Height(); ++sy) {
                for (int sx = 0; sx < large.Width(); ++sx) {
                    auto overlap = [ratio](int source, int target) {
                        const float lo = std::max(static_cast<float>(source), target * ratio);
                        const float hi =
                            std::min(static_cast<float>(source + 1), (target + 1) * ratio);
                        return std::max(0.0f, hi - lo);
                    };
                    const float weight = overlap(sx, x) * overlap(sy, y);
                    sum = Add(sum, Scale(large.At(sx, sy), weight));
                    total += weight;
                }
            }
            small.Set(x, y, Scale(sum, 1 / total));
        }
    }
    return small;
}

}  // namespace

Bytes MakeIconFile() {
    const Canvas canvas = Reduce(PaintLarge(), kIconSize);
    IndexedImage image = Quantize(canvas, 15, Dither::None);
    // Entry 0 is black for the transparent corners; the 15 colours follow.
    image.palette.insert(image.palette.begin(), Rgb8{});
    const Sdf silhouette = sdf::Box({16, 16}, {15.6f, 15.6f}, 4.5f);
    std::vector<bool> opaque;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            auto& index = image.indices[static_cast<std::size_t>(y * kIconSize + x)];
            const bool inside =
                silhouette({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f}) < 0;
            index = inside ? static_cast<std::uint8_t>(index + 1) : 0;
            opaque.push_back(inside);
        }
    }
    return IconFile(image, opaque);
}

}  // namespace picgen
