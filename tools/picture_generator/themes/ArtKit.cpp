#include "ArtKit.h"

#include <array>

namespace picgen {

namespace art {

Rgb Vivid(int index) {
    static const std::array<Rgb, kVividCount> colours = {
        Hex(0xE8352C), Hex(0xF58A1F), Hex(0xF5D030), Hex(0x46B84C), Hex(0x2EC5D3),
        Hex(0x3470E4), Hex(0x8E4FE3), Hex(0xEE5DB2), Hex(0xEDEDED), Hex(0x45454F),
    };
    return colours[static_cast<std::size_t>(index % kVividCount)];
}

void Gloss(const Painter& tile, Vec2 center, float radiusX, float radiusY, float opacity) {
    tile.Soft(sdf::Ellipse(center, radiusX, radiusY), {1, 1, 1}, 1.5f, opacity);
}

}  // namespace art

}  // namespace picgen
