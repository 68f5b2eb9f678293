#include "ui/SceneResources.h"

#include <array>
#include <string_view>

#include "ui/SceneGeometry.h"

namespace {

constexpr int kHeaderFontSize = 10;
constexpr int kBadgeFontSize = 40;
constexpr int kBold = 700;
// The second face is the old name of the first on systems that lack it.
constexpr std::array<std::string_view, 2> kFontFaces = {"MS Sans Serif", "Helv"};

std::unique_ptr<Font> CreateSceneFont(DrawingObjects& drawing, int size) {
    for (std::string_view face : kFontFaces) {
        if (auto font = drawing.CreateFont({size, size, kBold, face})) return font;
    }
    return nullptr;
}

}  // namespace

SceneResources::SceneResources(DrawingObjects& factory)
    : drawing(factory),
      penBadge(factory.CreateSolidPen(3, kRed)),
      penFrame(factory.CreateSolidPen(2, kBlack)) {}

void CreateHeaderFont(SceneResources& scene) {
    scene.fontHeader = CreateSceneFont(scene.drawing, kHeaderFontSize);
}

void CreateBadgeFont(SceneResources& scene) {
    scene.fontBadge = CreateSceneFont(scene.drawing, kBadgeFontSize);
}

void PrepareDrawing(SceneResources& scene, PictureSurface& surface) {
    surface.Create();
    scene.rcProgressBar = {kBarLeft, kBarTop, kBarLeft, kBarBottom};
    scene.brushBar = scene.drawing.CreateSolidBrush(kRed);
    scene.brushBackground = scene.drawing.CreateSolidBrush(kWhite);
}

void ReleaseDrawing(SceneResources& scene, PictureSurface& surface) {
    surface.Release();
    scene.brushBar.reset();
    scene.brushBackground.reset();
    scene.fontHeader.reset();
    scene.fontBadge.reset();
    scene.penBadge.reset();
    scene.penFrame.reset();
}
