// What the setup window draws besides its controls.
#include <string>

#include "ui/SceneGeometry.h"
#include "ui/SetupDlg.h"

namespace {

void DrawFrame(Canvas& canvas, const SceneResources& scene) {
    if (scene.penFrame) canvas.SelectPen(*scene.penFrame);
    canvas.MoveTo(kFrameCorners[0]);
    for (std::size_t i = 1; i < std::size(kFrameCorners); ++i) canvas.LineTo(kFrameCorners[i]);
}

void FillBar(Canvas& canvas, const SceneResources& scene, const std::unique_ptr<Brush>& brush) {
    if (brush) canvas.FillRect(scene.rcProgressBar, *brush);
}

void SelectFontIfAny(Canvas& canvas, const std::unique_ptr<Font>& font) {
    if (font) canvas.SelectFont(*font);
}

}  // namespace

void CSetupDlg::DrawScene(std::int32_t index, SceneMode mode) {
    const std::unique_ptr<Canvas> canvas = Window().ClientCanvas();
    DrawFrame(*canvas, scene_);
    switch (mode) {
        case PictureStep: {
            // The row follows the calls, not the index: a new row at every
            // multiple of seven.
            const int column = index % kThumbnailColumns;
            if (column == 0) state_.nThumbRowOffset += kThumbnailSize;
            const int left = kThumbnailOrigin.x + kThumbnailSize * column;
            const int top = kThumbnailOrigin.y + state_.nThumbRowOffset - kThumbnailSize;
            PictureSurface::Thumbnail square{};
            PixelView source;
            if (surface_.HasPicture()) {
                square = surface_.ThumbnailPixels();
                source = {square, PictureSurface::kThumbnailSize, PictureSurface::kThumbnailSize};
            }
            canvas->StretchPixels(source, {left, top, left + kThumbnailSize, top + kThumbnailSize});
            scene_.rcProgressBar.right =
                scene_.rcProgressBar.left + static_cast<int>(kBarWidth * state_.fProgress);
            FillBar(*canvas, scene_, scene_.brushBar);
            break;
        }
        case ClearBar:
            scene_.rcProgressBar.right = scene_.rcProgressBar.left + kBarWidth + kBarClearExtra;
            FillBar(*canvas, scene_, scene_.brushBackground);
            break;
        case Decorations: {
            SelectFontIfAny(*canvas, scene_.fontHeader);
            canvas->SetTextColour(kBlack);
            canvas->DrawCentredText(kTitleAt, {texts_.TextTitle});
            canvas->DrawCentredText(kPictureCountAt, {texts_.TextPictureCount});
            const std::string badge = std::to_string(kBadgeNumber);
            canvas->SetTextColour(kRed);
            SelectFontIfAny(*canvas, scene_.fontBadge);
            canvas->DrawCentredText(kBadgeTextAt, {badge});
            if (scene_.penBadge) canvas->SelectPen(*scene_.penBadge);
            canvas->SelectHollowBrush();
            canvas->Ellipse(kBadgeCircle);
            break;
        }
    }
}

void CSetupDlg::OnPaint() {
    if (Window().IsMinimized()) {
        PaintMinimized();
        return;
    }
    DrawScene(1, Decorations);
    if (state_.bFinished) state_.bInstalling = false;
}

void CSetupDlg::PaintMinimized() {
    const Size client = Window().ClientSize();
    const Size icon = Windows().IconSize();
    Window().ClientCanvas()->DrawIcon(
        {(client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2}, icon_);
}
