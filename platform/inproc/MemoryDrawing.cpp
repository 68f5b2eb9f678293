#include "platform/inproc/MemoryDrawing.h"

#include <cstdio>

namespace {

// A drawing object that knows its description and notes its release.
template <typename Base>
class Described : public Base {
public:
    Described(std::string description, std::vector<std::string>& released)
        : description_(std::move(description)), released_(released) {}
    ~Described() override { released_.push_back(description_); }
    const std::string& Description() const { return description_; }

private:
    std::string description_;
    std::vector<std::string>& released_;
};

template <typename Base>
std::string DescriptionOf(const Base& object) {
    return static_cast<const Described<Base>&>(object).Description();
}

std::string PointText(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string RectText(Rect r) {
    return PointText({r.left, r.top}) + "-" + PointText({r.right, r.bottom});
}

}  // namespace

std::string ColourText(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string Describe(const Pen& pen) { return DescriptionOf(pen); }
std::string Describe(const Brush& brush) { return DescriptionOf(brush); }
std::string Describe(const Font& font) { return DescriptionOf(font); }

std::unique_ptr<Pen> MemoryDrawing::CreateSolidPen(int width, Colour colour) {
    return std::make_unique<Described<Pen>>(
        "pen " + std::to_string(width) + " " + ColourText(colour), released);
}

std::unique_ptr<Brush> MemoryDrawing::CreateSolidBrush(Colour colour) {
    return std::make_unique<Described<Brush>>("brush " + ColourText(colour), released);
}

std::unique_ptr<Font> MemoryDrawing::CreateFont(const FontRequest& request) {
    fontRequests.emplace_back(request.face);
    if (!faces.contains(std::string(request.face))) return nullptr;
    return std::make_unique<Described<Font>>(
        "font " + std::string(request.face) + " " + std::to_string(request.height) + "x" +
            std::to_string(request.averageWidth) + " " + std::to_string(request.weight),
        released);
}

void MemoryCanvas::SelectPen(const Pen& pen) { calls_.push_back("select " + Describe(pen)); }

void MemoryCanvas::SelectFont(const Font& font) { calls_.push_back("select " + Describe(font)); }

void MemoryCanvas::SelectHollowBrush() { calls_.push_back("select hollow brush"); }

void MemoryCanvas::MoveTo(Point to) { calls_.push_back("move " + PointText(to)); }

void MemoryCanvas::LineTo(Point to) { calls_.push_back("line " + PointText(to)); }

void MemoryCanvas::StretchPixels(PixelView source, Rect destination) {
    // The picture is named by the colour of its top-left pixel.
    std::string name = "nothing";
    if (!source.pixels.empty()) {
        const std::uint32_t rgb = source.pixels[0];
        name = ColourText({static_cast<std::uint8_t>(rgb >> 16),
                           static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)});
    }
    calls_.push_back("thumbnail " + RectText(destination) + " of " + name);
}

void MemoryCanvas::FillRect(Rect rect, const Brush& brush) {
    calls_.push_back("fill " + RectText(rect) + " " + Describe(brush));
}

void MemoryCanvas::SetTextColour(Colour colour) {
    calls_.push_back("text colour " + ColourText(colour));
}

void MemoryCanvas::DrawCentredText(Point at, EncodedText text) {
    calls_.push_back("text " + PointText(at) + " '" + std::string(text.bytes) + "'");
}

void MemoryCanvas::Ellipse(Rect box) { calls_.push_back("ellipse " + RectText(box)); }

void MemoryCanvas::DrawIcon(Point topLeft, Icon icon) {
    calls_.push_back("icon " + std::to_string(icon.handle) + " at " + PointText(topLeft));
}
