#pragma once

#include <memory>

#include "install/PictureSurface.h"
#include "platform/Canvas.h"

// The setup window's drawing objects. The pens exist from program start; the
// rest come with the dialog's initialisation and go with its destruction.
struct SceneResources {
    explicit SceneResources(DrawingObjects& factory);

    DrawingObjects& drawing;
    std::unique_ptr<Pen> penBadge;
    std::unique_ptr<Pen> penFrame;
    std::unique_ptr<Font> fontHeader;
    std::unique_ptr<Font> fontBadge;
    std::unique_ptr<Brush> brushBar;
    std::unique_ptr<Brush> brushBackground;
    Rect rcProgressBar;
};

void CreateHeaderFont(SceneResources& scene);
void CreateBadgeFont(SceneResources& scene);
// Creates the picture surface, the brushes and the bar's rectangle.
void PrepareDrawing(SceneResources& scene, PictureSurface& surface);
// Releases whatever of the surface and the drawing objects exists.
void ReleaseDrawing(SceneResources& scene, PictureSurface& surface);
