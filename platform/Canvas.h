#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/EncodedText.h"

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Right and bottom are outside the rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kRed{255, 0, 0};

// Pixels as 0x00RRGGBB, top row first: the layout of a top-down 32-bit
// device-independent bitmap. Empty when there is nothing to draw.
struct PixelView {
    std::span<const std::uint32_t> pixels;  // width * height of them
    int width = 0;
    int height = 0;
};

// An icon of the platform, opaque to the logic.
struct Icon {
    std::uintptr_t handle = 0;  // 0: none
    bool operator==(const Icon&) const = default;
};

// Drawing objects; each releases its handle when destroyed.
class Pen {
public:
    virtual ~Pen() = default;
};
class Brush {
public:
    virtual ~Brush() = default;
};
class Font {
public:
    virtual ~Font() = default;
};

// A bold, upright Swiss-family font of the ANSI character set at proof quality;
// the rest is asked for here.
struct FontRequest {
    int height = 0;        // cell height in pixels
    int averageWidth = 0;  // pixels
    int weight = 0;
    std::string_view face;
};

class DrawingObjects {
public:
    virtual ~DrawingObjects() = default;
    virtual std::unique_ptr<Pen> CreateSolidPen(int width, Colour colour) = 0;
    virtual std::unique_ptr<Brush> CreateSolidBrush(Colour colour) = 0;
    // Null when the platform supplies no font for the request.
    virtual std::unique_ptr<Font> CreateFont(const FontRequest& request) = 0;
};

// A drawing surface of a window's client area, drawn on at once (no back
// buffer); released when destroyed. Chosen objects stay in use until another
// of their kind is chosen; they must outlive the canvas.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SelectPen(const Pen& pen) = 0;
    virtual void SelectFont(const Font& font) = 0;
    virtual void SelectHollowBrush() = 0;
    virtual void MoveTo(Point to) = 0;
    // A line in the current pen; its end becomes the current position.
    virtual void LineTo(Point to) = 0;
    // The whole source scaled into the destination with the platform's
    // default stretching; an empty source draws nothing.
    virtual void StretchPixels(PixelView source, Rect destination) = 0;
    // An empty rectangle fills nothing.
    virtual void FillRect(Rect rect, const Brush& brush) = 0;
    virtual void SetTextColour(Colour colour) = 0;
    // Without background, x the horizontal centre of the text and y its top.
    virtual void DrawCentredText(Point at, EncodedText text) = 0;
    // The outline in the current pen, the inside in the current brush.
    virtual void Ellipse(Rect box) = 0;
    virtual void DrawIcon(Point topLeft, Icon icon) = 0;
};
