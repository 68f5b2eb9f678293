#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Canvas.h"

// "#rrggbb", as the recordings write colours.
std::string ColourText(Colour colour);

// Drawing objects that describe themselves and note when they are released.
class MemoryDrawing : public DrawingObjects {
public:
    std::unique_ptr<Pen> CreateSolidPen(int width, Colour colour) override;
    std::unique_ptr<Brush> CreateSolidBrush(Colour colour) override;
    std::unique_ptr<Font> CreateFont(const FontRequest& request) override;

    // The faces the machine has; a request for any other gives no font.
    std::set<std::string> faces{"MS Sans Serif"};
    std::vector<std::string> fontRequests;  // faces, in the order asked for
    std::vector<std::string> released;      // descriptions, in release order
};

// What a drawing object is, as the recordings write it: "pen 2 #000000",
// "brush #ff0000", "font MS Sans Serif 10x10 700".
std::string Describe(const Pen& pen);
std::string Describe(const Brush& brush);
std::string Describe(const Font& font);

// A client-area canvas that writes every call it gets, one text each.
class MemoryCanvas : public Canvas {
public:
    explicit MemoryCanvas(std::vector<std::string>& calls) : calls_(calls) {}

    void SelectPen(const Pen& pen) override;
    void SelectFont(const Font& font) override;
    void SelectHollowBrush() override;
    void MoveTo(Point to) override;
    void LineTo(Point to) override;
    void StretchPixels(PixelView source, Rect destination) override;
    void FillRect(Rect rect, const Brush& brush) override;
    void SetTextColour(Colour colour) override;
    void DrawCentredText(Point at, EncodedText text) override;
    void Ellipse(Rect box) override;
    void DrawIcon(Point topLeft, Icon icon) override;

private:
    std::vector<std::string>& calls_;
};
