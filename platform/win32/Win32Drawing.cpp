#include "platform/win32/Win32Drawing.h"

#include <array>
#include <vector>

#include "platform/win32/Win32Text.h"

namespace {

template <typename Base, typename Handle>
class GdiObject : public Base {
public:
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() override { DeleteObject(handle_); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    Handle handle() const { return handle_; }

private:
    Handle handle_;
};

using Win32Pen = GdiObject<Pen, HPEN>;
using Win32Brush = GdiObject<Brush, HBRUSH>;
using Win32Font = GdiObject<Font, HFONT>;

COLORREF ToColorRef(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

// Faces with Cyrillic letters on every Windows since 2000, and in Wine.
constexpr std::array<const wchar_t*, 3> kCyrillicFaces = {L"Microsoft Sans Serif", L"Tahoma",
                                                          L"Arial"};

bool HasCyrillicLetters(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ original = SelectObject(dc, font);
    WORD glyphs[2] = {};
    const bool found =
        GetGlyphIndicesW(dc, L"\u0414\u0436", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == 2 &&
        glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF;
    SelectObject(dc, original);
    DeleteDC(dc);
    return found;
}

}  // namespace

HFONT CreateFontWithCyrillic(LOGFONTW request) {
    std::vector<const wchar_t*> faces = {request.lfFaceName};
    faces.insert(faces.end(), kCyrillicFaces.begin(), kCyrillicFaces.end());
    HFONT first = nullptr;
    for (const wchar_t* face : faces) {
        LOGFONTW attempt = request;
        lstrcpynW(attempt.lfFaceName, face, LF_FACESIZE);
        HFONT font = CreateFontIndirectW(&attempt);
        if (!font) continue;
        if (HasCyrillicLetters(font)) {
            if (first) DeleteObject(first);
            return font;
        }
        if (first) {
            DeleteObject(font);
        } else {
            first = font;
        }
    }
    return first;
}

std::unique_ptr<Pen> Win32Drawing::CreateSolidPen(int width, Colour colour) {
    return std::make_unique<Win32Pen>(CreatePen(PS_SOLID, width, ToColorRef(colour)));
}

std::unique_ptr<Brush> Win32Drawing::CreateSolidBrush(Colour colour) {
    return std::make_unique<Win32Brush>(::CreateSolidBrush(ToColorRef(colour)));
}

std::unique_ptr<Font> Win32Drawing::CreateFont(const FontRequest& request) {
    LOGFONTW logFont = {};
    logFont.lfHeight = request.height;
    // The face's own proportions: the width asked for suits the bitmap face
    // the layout was drawn with, and forced onto the faces that answer today
    // it pushes the header past the frame and the badge out of its circle.
    logFont.lfWidth = 0;
    logFont.lfWeight = request.weight;
    logFont.lfCharSet = ANSI_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = PROOF_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = Widen(std::array{EncodedText{request.face}});
    lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    HFONT font = CreateFontWithCyrillic(logFont);
    if (!font) return nullptr;
    return std::make_unique<Win32Font>(font);
}

Win32Canvas::Win32Canvas(HWND window) : window_(window), dc_(GetDC(window)) {}

Win32Canvas::~Win32Canvas() {
    for (HGDIOBJ original : {originalPen_, originalBrush_, originalFont_}) {
        if (original) SelectObject(dc_, original);
    }
    ReleaseDC(window_, dc_);
}

void Win32Canvas::Select(HGDIOBJ object, HGDIOBJ& original) {
    HGDIOBJ previous = SelectObject(dc_, object);
    if (!original) original = previous;
}

void Win32Canvas::SelectPen(const Pen& pen) {
    Select(static_cast<const Win32Pen&>(pen).handle(), originalPen_);
}

void Win32Canvas::SelectFont(const Font& font) {
    Select(static_cast<const Win32Font&>(font).handle(), originalFont_);
}

void Win32Canvas::SelectHollowBrush() { Select(GetStockObject(NULL_BRUSH), originalBrush_); }

void Win32Canvas::MoveTo(Point to) { MoveToEx(dc_, to.x, to.y, nullptr); }

void Win32Canvas::LineTo(Point to) { ::LineTo(dc_, to.x, to.y); }

void Win32Canvas::StretchPixels(PixelView source, Rect destination) {
    if (source.pixels.empty()) return;
    // The whole source is stretched, so no source origin of a top-down DIB
    // needs interpreting.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = source.width;
    info.bmiHeader.biHeight = -source.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // The surface's own stretching mode stays: it is the platform's default.
    StretchDIBits(dc_, destination.left, destination.top, destination.right - destination.left,
                  destination.bottom - destination.top, 0, 0, source.width, source.height,
                  source.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void Win32Canvas::FillRect(Rect rect, const Brush& brush) {
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    ::FillRect(dc_, &area, static_cast<const Win32Brush&>(brush).handle());
}

void Win32Canvas::SetTextColour(Colour colour) { SetTextColor(dc_, ToColorRef(colour)); }

void Win32Canvas::DrawCentredText(Point at, EncodedText text) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_CENTER | TA_TOP);
    const std::wstring wide = Widen({&text, 1});
    TextOutW(dc_, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
}

void Win32Canvas::Ellipse(Rect box) { ::Ellipse(dc_, box.left, box.top, box.right, box.bottom); }

void Win32Canvas::DrawIcon(Point topLeft, Icon icon) {
    ::DrawIcon(dc_, topLeft.x, topLeft.y, reinterpret_cast<HICON>(icon.handle));
}
