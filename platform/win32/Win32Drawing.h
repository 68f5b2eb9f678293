#pragma once

#include <windows.h>

#include <memory>

#include "platform/Canvas.h"

// Fonts that show the program's Cyrillic texts on every system: when the font
// that answers the request has no Cyrillic letters, a face that has them
// answers with the same sizes.
HFONT CreateFontWithCyrillic(LOGFONTW request);

class Win32Drawing : public DrawingObjects {
public:
    std::unique_ptr<Pen> CreateSolidPen(int width, Colour colour) override;
    std::unique_ptr<Brush> CreateSolidBrush(Colour colour) override;
    std::unique_ptr<Font> CreateFont(const FontRequest& request) override;
};

// The client area of a window through GetDC; whatever was chosen into it is
// put back before it is released.
class Win32Canvas : public Canvas {
public:
    explicit Win32Canvas(HWND window);
    ~Win32Canvas() override;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

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
    void Select(HGDIOBJ object, HGDIOBJ& original);

    HWND window_;
    HDC dc_;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
};
