#include "tests/e2e/driver/ScenePixels.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "tests/e2e/driver/SetupWindow.h"

namespace {

// How long the screen may take to show a new layout; a check that fails
// waits this long.
constexpr DWORD kSceneTimeoutMs = 5000;

// Client pixels of the painting. A 2-pixel pen covers the pixel row or
// column of its line and the one before it.
constexpr int kFrameLeft = 266;
constexpr int kFrameTop = 7;
constexpr int kFrameRight = 623;
constexpr int kFrameBottom = 448;
constexpr int kCornerRoom = 3;  // where two sides join, left to the pen

struct HeaderLine {
    const char* name;
    int centre;
    int top;
    int bandTop, bandBottom;  // the rows measured for it
};
constexpr HeaderLine kHeaderLines[] = {
    {"header line 1", 440, 115, 113, 130},
    {"header line 2", 445, 132, 130, 150},
};
constexpr int kHeaderHeight = 13;    // the ink of a 10-pixel font and its descenders
constexpr int kHeaderTolerance = 3;  // side bearings move the ink off the centre
constexpr int kDarkText = 160;       // the brightest channel of a text pixel
constexpr int kButtonEdge = 200;     // darker than a button\'s face and the background

// The badge: a 3-pixel red ring inscribed in (550, 50)-(600, 100), "10" in it.
constexpr double kBadgeX = 575;
constexpr double kBadgeY = 75;
constexpr double kRingInner = 23;
constexpr double kRingOuter = 26.5;
constexpr double kBadgeReach = 27.5;  // nothing of the badge lies farther out
constexpr int kBadgeTextTop = 58;
constexpr int kBadgeTextTolerance = 5;
constexpr int kBadgeTextLeastPixels = 50;

constexpr POINT kGridOrigin{5, 5};
constexpr int kCell = 37;
constexpr int kColumns = 7;
constexpr int kCells = 84;
constexpr RECT kSideArea{5, 5, 264, 449};

constexpr RECT kStrip{291, 280, 611, 290};
constexpr int kBarFullWidth = 310;
constexpr int kBarSteps = 84;

constexpr SIZE kClientSize{629, 453};
constexpr int kMostNamed = 5;
constexpr int kNoId = 0xFFFF;  // more would drown the report

bool Inside(const RECT& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

double BadgeDistance(int x, int y) { return std::hypot(x + 0.5 - kBadgeX, y + 0.5 - kBadgeY); }

bool IsRed(Rgb pixel) { return pixel.red > 200 && pixel.green < 100 && pixel.blue < 100; }
int Brightest(Rgb pixel) { return std::max({pixel.red, pixel.green, pixel.blue}); }

// The black pixels of one side: for each position along it, `across`
// gives the pixels across the line, the two the pen covers first.
PixelCheck FrameSide(const ScreenShot& shot, const char* what, bool horizontal, int line, int from,
                     int to) {
    PixelCheck check{std::string("frame: ") + what + ", 2 px black, nothing beside it", {}};
    for (int along = from + kCornerRoom; along <= to - kCornerRoom && check.miss.empty(); ++along) {
        for (int offset = -3; offset <= 2; ++offset) {
            const int x = horizontal ? along : line + offset;
            const int y = horizontal ? line + offset : along;
            const bool pen = offset == -1 || offset == 0;
            const Rgb seen = shot.At(x, y);
            if (seen != (pen ? kBlack : kWhite)) {
                check.miss =
                    PixelShown(x, y, seen) + (pen ? ", expected black" : ", expected white");
                break;
            }
        }
    }
    return check;
}

PixelCheck FrameLeftOpen(const ScreenShot& shot) {
    PixelCheck check{"frame: left side open", {}};
    for (int y = kFrameTop + kCornerRoom + 2; y <= kFrameBottom - kCornerRoom - 2; ++y) {
        for (int x = kFrameLeft - 2; x <= kFrameLeft + 1; ++x) {
            if (shot.At(x, y) != kWhite) {
                check.miss = PixelShown(x, y, shot.At(x, y)) + ", expected white";
                return check;
            }
        }
    }
    return check;
}

bool OnFrame(int x, int y) {
    const bool acrossTop = x >= kFrameLeft - 1 && x <= kFrameRight;
    return (acrossTop && (y == kFrameTop - 1 || y == kFrameTop)) ||
           (acrossTop && (y == kFrameBottom - 1 || y == kFrameBottom)) ||
           (y >= kFrameTop - 1 && y <= kFrameBottom && (x == kFrameRight - 1 || x == kFrameRight));
}

bool InHeaderBand(int x, int y) {
    return x >= kSideArea.right && y >= kHeaderLines[0].bandTop &&
           y < kHeaderLines[std::size(kHeaderLines) - 1].bandBottom;
}

// Every pixel that nothing is drawn on is white.
PixelCheck WhiteBackground(const ScreenShot& shot, const std::vector<ShownControl>& controls) {
    PixelCheck check{"white background around the drawing and the controls", {}};
    int wrong = 0;
    for (int y = 0; y < kClientSize.cy; ++y) {
        for (int x = 0; x < kClientSize.cx; ++x) {
            if (Inside(kSideArea, x, y) || OnFrame(x, y) || InHeaderBand(x, y) ||
                BadgeDistance(x, y) <= kBadgeReach) {
                continue;
            }
            if (std::any_of(controls.begin(), controls.end(),
                            [&](const ShownControl& c) { return Inside(c.rect, x, y); })) {
                continue;
            }
            const Rgb seen = shot.At(x, y);
            if (seen != kWhite && wrong++ == 0) check.miss = PixelShown(x, y, seen);
        }
    }
    if (wrong > 0) check.miss += "; " + std::to_string(wrong) + " pixels not white";
    return check;
}

void HeaderChecks(const ScreenShot& shot, bool withText, PixelChecks& checks) {
    for (const HeaderLine& line : kHeaderLines) {
        const std::string name = line.name;
        RECT ink{10000, 10000, -1, -1};
        bool black = false;
        for (int y = line.bandTop; y < line.bandBottom; ++y) {
            for (int x = kSideArea.right; x < kClientSize.cx; ++x) {
                if (x == kFrameRight - 1 || x == kFrameRight) continue;
                const Rgb seen = shot.At(x, y);
                if (seen == kWhite) continue;
                black = black || Brightest(seen) < 64;
                ink = {std::min(ink.left, static_cast<LONG>(x)),
                       std::min(ink.top, static_cast<LONG>(y)),
                       std::max(ink.right, static_cast<LONG>(x)),
                       std::max(ink.bottom, static_cast<LONG>(y))};
            }
        }
        const bool any = ink.right >= 0;
        const std::string extent = "ink from (" + std::to_string(ink.left) + "," +
                                   std::to_string(ink.top) + ") to (" + std::to_string(ink.right) +
                                   "," + std::to_string(ink.bottom) + ")";
        if (!withText) {
            checks.push_back({name + ": nothing drawn", any ? extent : ""});
            continue;
        }
        if (!any) {
            checks.push_back(
                {name + ": black text drawn", "no ink in rows " + std::to_string(line.bandTop) +
                                                  " to " + std::to_string(line.bandBottom - 1)});
            continue;
        }
        const int centre2 = static_cast<int>(ink.left + ink.right + 1);  // twice the centre
        checks.push_back({name + ": black text drawn", black ? "" : extent + ", none of it black"});
        checks.push_back({name + ": centred on x " + std::to_string(line.centre),
                          std::abs(centre2 - 2 * line.centre) <= 2 * kHeaderTolerance
                              ? ""
                              : extent + ", centred on x " + std::to_string(centre2 / 2)});
        checks.push_back(
            {name + ": top at y " + std::to_string(line.top),
             ink.top >= line.top && ink.bottom < line.top + kHeaderHeight ? "" : extent});
        checks.push_back({name + ": inside the frame",
                          ink.left > kFrameLeft && ink.right < kFrameRight - 1 ? "" : extent});
    }
}

void BadgeChecks(const ScreenShot& shot, PixelChecks& checks) {
    PixelCheck ring{"badge: red ring inscribed in (550,50)-(600,100)", {}};
    constexpr int kAngles = 72;
    for (int step = 0; step < kAngles && ring.miss.empty(); ++step) {
        const double angle = 2 * 3.14159265358979 * step / kAngles;
        bool found = false;
        for (double r = kRingInner; r <= kRingOuter && !found; r += 0.5) {
            const int x = static_cast<int>(std::floor(kBadgeX + r * std::cos(angle)));
            const int y = static_cast<int>(std::floor(kBadgeY + r * std::sin(angle)));
            found = shot.At(x, y) == kRed;
        }
        if (!found) {
            const int x = static_cast<int>(std::floor(kBadgeX + 24.5 * std::cos(angle)));
            const int y = static_cast<int>(std::floor(kBadgeY + 24.5 * std::sin(angle)));
            ring.miss = "no red across the ring at " + PixelShown(x, y, shot.At(x, y));
        }
    }
    checks.push_back(ring);

    RECT ink{10000, 10000, -1, -1};
    int count = 0;
    for (int y = 45; y < 105; ++y) {
        for (int x = 545; x < 605; ++x) {
            if (BadgeDistance(x, y) >= kRingInner - 1 || !IsRed(shot.At(x, y))) continue;
            ++count;
            ink = {std::min(ink.left, static_cast<LONG>(x)),
                   std::min(ink.top, static_cast<LONG>(y)),
                   std::max(ink.right, static_cast<LONG>(x)),
                   std::max(ink.bottom, static_cast<LONG>(y))};
        }
    }
    const std::string extent = std::to_string(count) + " red pixels from (" +
                               std::to_string(ink.left) + "," + std::to_string(ink.top) + ") to (" +
                               std::to_string(ink.right) + "," + std::to_string(ink.bottom) + ")";
    const int centre2 = static_cast<int>(ink.left + ink.right + 1);
    const bool placed =
        count >= kBadgeTextLeastPixels &&
        std::abs(centre2 - 2 * static_cast<int>(kBadgeX)) <= 2 * kBadgeTextTolerance &&
        ink.top >= kBadgeTextTop;
    checks.push_back({"badge: red \"10\" centred inside the ring", placed ? "" : extent});
}

PixelCheck SidePicture(const ScreenShot& shot, const Image& side) {
    return {"side picture at (5,5), as res/side.bmp",
            FirstDifference(shot, kGridOrigin.x, kGridOrigin.y, side)};
}

PixelCheck Thumbnails(const ScreenShot& shot, const std::vector<Image>& thumbnails) {
    PixelCheck check{"84 thumbnails, each the driver's own StretchBlt of its picture's square", {}};
    int wrong = 0;
    for (int i = 0; i < kCells && i < static_cast<int>(thumbnails.size()); ++i) {
        const std::string miss = FirstDifference(shot, kGridOrigin.x + kCell * (i % kColumns),
                                                 kGridOrigin.y + kCell * (i / kColumns),
                                                 thumbnails[static_cast<std::size_t>(i)]);
        if (miss.empty()) continue;
        if (wrong++ < kMostNamed) check.miss += "cell " + std::to_string(i) + ": " + miss + "; ";
    }
    if (wrong > 0) check.miss += std::to_string(wrong) + " cells differ";
    return check;
}

PixelCheck StripWhite(const ScreenShot& shot) {
    PixelCheck check{"progress strip (291,280)-(611,290) white", {}};
    for (int y = kStrip.top; y < kStrip.bottom && check.miss.empty(); ++y) {
        for (int x = kStrip.left; x < kStrip.right; ++x) {
            if (shot.At(x, y) != kWhite) {
                check.miss = PixelShown(x, y, shot.At(x, y));
                break;
            }
        }
    }
    return check;
}

}  // namespace

PixelCheck ControlDrawn(const ScreenShot& shot, const ShownControl& control) {
    const RECT& r = control.rect;
    const std::string& name = control.name;
    bool black = false;
    bool dark = false;
    const int inset = control.button ? 5 : 0;
    const int rowInset = control.button ? 6 : 0;
    for (int y = r.top + rowInset; y < r.bottom - rowInset; ++y) {
        for (int x = r.left + inset; x < r.right - inset; ++x) {
            const int brightest = Brightest(shot.At(x, y));
            black = black || brightest < 64;
            dark = dark || brightest < kDarkText;
        }
    }
    if (!control.button) {
        return {name + " shows its text", !control.hasText || dark ? "" : "no text pixels in it"};
    }
    const int middle = (r.left + r.right) / 2;
    const Rgb edge = shot.At(middle, r.bottom - 1);
    if (Brightest(edge) >= kButtonEdge)
        return {name + " drawn",
                PixelShown(middle, r.bottom - 1, edge) + ", expected its dark edge"};
    if (control.enabled)
        return {name + " drawn enabled", black ? "" : "no black text pixels in it"};
    return {name + " drawn disabled", black ? "black text pixels in it" : ""};
}

std::vector<ShownControl> ShownControls(HWND dialog) {
    std::vector<ShownControl> shown;
    int position = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ++position;
        if (!IsWindowVisible(child)) continue;
        const ControlState state = ReadChild(dialog, child);
        wchar_t className[16]{};
        GetClassNameW(child, className, 16);
        // Controls without an id of their own go by their place in the tab order.
        const int id = GetDlgCtrlID(child);
        const std::string name = id == -1 ? "control number " + std::to_string(position)
                                          : "control " + std::to_string(id);
        const bool isButton = lstrcmpiW(className, L"Button") == 0;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        const bool isImage =
            !isButton && ((style & SS_TYPEMASK) == SS_ICON || (style & SS_TYPEMASK) == SS_BITMAP);
        shown.push_back(
            {name, state.rect, isButton, state.enabled, !isImage && !state.text.empty()});
    }
    return shown;
}

PixelChecks CheckScene(const ScreenShot& shot, const SceneExpectation& expected,
                       const std::vector<ShownControl>& controls) {
    if (shot.Empty()) return {{"screen captured", "the window is gone"}};
    PixelChecks checks = {
        FrameSide(shot, "top side", true, kFrameTop, kFrameLeft, kFrameRight),
        FrameSide(shot, "right side", false, kFrameRight, kFrameTop, kFrameBottom),
        FrameSide(shot, "bottom side", true, kFrameBottom, kFrameLeft, kFrameRight),
        FrameLeftOpen(shot),
        WhiteBackground(shot, controls),
        StripWhite(shot),
    };
    HeaderChecks(shot, expected.headerText, checks);
    BadgeChecks(shot, checks);
    if (expected.sidePicture) checks.push_back(SidePicture(shot, *expected.sidePicture));
    if (expected.thumbnails) checks.push_back(Thumbnails(shot, *expected.thumbnails));
    for (const ShownControl& control : controls) {
        if (control.button || control.hasText) checks.push_back(ControlDrawn(shot, control));
    }
    return checks;
}

PixelChecks CheckProgressBar(const ScreenShot& shot) {
    if (shot.Empty()) return {};
    int width = 0;
    while (kStrip.left + width < kStrip.right && shot.At(kStrip.left + width, kStrip.top) == kRed)
        ++width;
    bool known = false;
    for (int step = 0; step < kBarSteps; ++step)
        known = known || width == kBarFullWidth * step / kBarSteps;
    std::string miss = known ? "" : "a bar " + std::to_string(width) + " pixels wide";
    for (int y = kStrip.top; y < kStrip.bottom && miss.empty(); ++y) {
        for (int x = kStrip.left; x < kStrip.right; ++x) {
            const Rgb expected = x < kStrip.left + width ? kRed : kWhite;
            if (shot.At(x, y) != expected) {
                miss = PixelShown(x, y, shot.At(x, y)) + ", expected " + Shown(expected);
                break;
            }
        }
    }
    return {
        {"progress bar: one red block from x 291, rows 280 to 289, of a width the run passes "
         "through",
         miss}};
}

SceneView AwaitScene(HWND dialog, const SceneExpectation& expected) {
    const std::vector<ShownControl> controls = ShownControls(dialog);
    SceneView view;
    view.shot = AwaitScreen(
        dialog,
        [&](const ScreenShot& shot) { return AllPassed(CheckScene(shot, expected, controls)); },
        kSceneTimeoutMs);
    view.checks = CheckScene(view.shot, expected, controls);
    return view;
}
