#include "tests/e2e/driver/Layouts.h"

#include <cwctype>

#include "tests/e2e/driver/SetupWindow.h"

bool TextRule::Matches(std::wstring_view text) const {
    switch (kind) {
        case Kind::Exact:
            return text == first;
        case Kind::Contains:
            return text.find(first) != std::wstring_view::npos &&
                   text.find(second) != std::wstring_view::npos;
        case Kind::NotEmpty:
            return !text.empty();
        case Kind::NumberBetween: {
            if (text.size() <= first.size() + second.size() || !text.starts_with(first) ||
                !text.ends_with(second)) {
                return false;
            }
            const auto number =
                text.substr(first.size(), text.size() - first.size() - second.size());
            for (const wchar_t c : number) {
                if (!std::iswdigit(c)) return false;
            }
            return true;
        }
    }
    return false;
}

TextRule Exactly(std::wstring_view text) { return {TextRule::Kind::Exact, std::wstring(text), {}}; }

namespace {

// Where the dialog template puts each control, in client pixels.
constexpr RECT kOkRect{323, 301, 398, 323};
constexpr RECT kCancelRect{411, 301, 486, 323};
constexpr RECT kIntroRect{291, 158, 618, 197};
constexpr RECT kDestinationRect{291, 197, 618, 211};
constexpr RECT kRequiredRect{291, 226, 606, 241};
constexpr RECT kAvailableRect{291, 255, 411, 270};
constexpr RECT kFolderRect{438, 197, 618, 236};
constexpr RECT kDownloadRect{291, 255, 416, 275};
constexpr RECT kSidePictureRect{5, 5, 264, 449};  // moved there at start
constexpr RECT kAboutRect{500, 301, 575, 323};
constexpr RECT kTitlesRect{290, 47, 431, 111};

constexpr SIZE kClientSize{629, 453};

RECT MovedTo(const RECT& rect, LONG left, LONG top) {
    return {left, top, left + rect.right - rect.left, top + rect.bottom - rect.top};
}

std::wstring Joined(std::wstring_view a, std::wstring_view b) {
    return std::wstring(a) + std::wstring(b);
}

std::wstring Shown(const RECT& rect) {
    return L"(" + std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," +
           std::to_wstring(rect.right) + L"," + std::to_wstring(rect.bottom) + L")";
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

ExpectedWindow NormalLayout(const LanguageTexts& texts, std::wstring_view picturesFolder) {
    return {"normal layout",
            Exactly(texts.title),
            {
                {kOk, "Install button", true, kOkRect, Exactly(texts.install), true},
                {kCancel, "Cancel button", true, kCancelRect, Exactly(texts.cancel), true},
                {kIntro, "introduction", true, kIntroRect, Exactly(texts.intro), {}},
                {kDestination,
                 "destination label",
                 true,
                 kDestinationRect,
                 Exactly(texts.destination),
                 {}},
                {kRequired,
                 "required space",
                 true,
                 kRequiredRect,
                 Exactly(Joined(texts.required, L"  11040 Kb")),
                 {}},
                {kAvailable,
                 "available space",
                 true,
                 kAvailableRect,
                 TextRule{TextRule::Kind::NumberBetween, Joined(texts.available, L"  "), L" Kb"},
                 {}},
                {kFolder, "pictures folder", true, kFolderRect, Exactly(picturesFolder), {}},
                {kDownload, "download address", false, kDownloadRect, {}, {}},
                {kSidePicture, "side picture", true, kSidePictureRect, {}, {}},
                {kAbout, "About button", true, kAboutRect, Exactly(texts.about), true},
                {kTitles, "titles list", true, kTitlesRect, Exactly(texts.titlesList), {}},
            }};
}

ExpectedWindow FinishedLayout(const LanguageTexts& texts, const TextRule& result, bool complete) {
    const auto placed = [complete](const RECT& rect) {
        return complete ? std::optional<RECT>(rect) : std::nullopt;
    };
    return {"finished layout",
            Exactly(texts.title),
            {
                {kOk, "Install button", false, kOkRect, {}, {}},
                {kCancel, "Exit button", true, placed(MovedTo(kCancelRect, 410, 200)),
                 Exactly(texts.exit), true},
                {kIntro, "result", true, placed(kIntroRect), result, {}},
                {kDestination, "destination label", false, kDestinationRect, {}, {}},
                {kRequired, "required space", false, kRequiredRect, {}, {}},
                {kAvailable, "available space", false, kAvailableRect, {}, {}},
                {kFolder, "pictures folder", false, kFolderRect, {}, {}},
                {kDownload, "download address", false, kDownloadRect, {}, {}},
                {kSidePicture, "side picture", true, kSidePictureRect, {}, {}},
                {kAbout, "About button", false, kAboutRect, {}, {}},
                {kTitles, "titles list", true, kTitlesRect, Exactly(texts.titlesList), {}},
            }};
}

ExpectedWindow NoGameLayout() {
    return {
        "no-game layout",
        Exactly(L"The additional pictures Velk King Setup"),
        {
            {kOk, "Install button", false, kOkRect, {}, {}},
            {kCancel, "OK button", true, MovedTo(kCancelRect, 375, 302), Exactly(L"OK"), true},
            {kIntro,
             "English not-found sentence",
             true,
             MovedTo(kIntroRect, 291, 166),
             Exactly(L"There are no the game Velk King onto your system!"),
             {}},
            {kDestination,
             "Russian not-found sentence",
             true,
             kDestinationRect,
             Exactly(L"Игра Велк Королева на вашем компьютере не обнаружена!"),
             {}},
            {kRequired,
             "download invitation",
             true,
             kRequiredRect,
             Exactly(L"Download the game Velk for free right now from web:"),
             {}},
            {kAvailable, "available space", true, kAvailableRect, Exactly(L""), {}},
            {kFolder, "pictures folder", false, kFolderRect, {}, {}},
            {kDownload,
             "download address",
             true,
             kDownloadRect,
             TextRule{TextRule::Kind::NotEmpty, {}, {}},
             {}},
            {kSidePicture, "side picture", true, kSidePictureRect, {}, {}},
            {kAbout, "About button", true, MovedTo(kAboutRect, 465, 302), Exactly(L"About"), true},
            {kTitles, "titles list", true, kTitlesRect, Exactly(L""), {}},
        }};
}

void CheckWindow(HWND dialog, const ExpectedWindow& expected, Report& report) {
    const std::string layout(expected.name);
    const std::wstring caption = WindowText(dialog);
    report.Check(expected.caption.Matches(caption), layout + ": caption", caption);
    const SIZE client = ClientSize(dialog);
    report.Check(client.cx == kClientSize.cx && client.cy == kClientSize.cy,
                 layout + ": client area 629 x 453",
                 std::to_wstring(client.cx) + L" x " + std::to_wstring(client.cy));
    for (const ExpectedControl& control : expected.controls) {
        const ControlState state = ReadControl(dialog, control.id);
        const std::string what =
            layout + ": " + std::string(control.name) + " (" + std::to_string(control.id) + ")";
        if (!state.exists) {
            report.Check(false, what + " exists");
            continue;
        }
        report.Check(state.visible == control.visible,
                     what + (control.visible ? " visible" : " hidden"),
                     state.visible ? L"visible" : L"hidden");
        if (control.rect) {
            report.Check(state.rect == *control.rect,
                         what + " at " + Printable(Shown(*control.rect)), Shown(state.rect));
        }
        if (control.text) {
            report.Check(control.text->Matches(state.text),
                         what + " text \"" + Printable(control.text->first) + "\"", state.text);
        }
        if (control.enabled) {
            report.Check(state.enabled == *control.enabled,
                         what + (*control.enabled ? " enabled" : " disabled"),
                         state.enabled ? L"enabled" : L"disabled");
        }
    }
}

bool ShowsFinishedLayout(HWND dialog) {
    const HWND exit = GetDlgItem(dialog, kCancel);
    return !IsWindowVisible(GetDlgItem(dialog, kOk)) && IsWindowVisible(exit) &&
           IsWindowEnabled(exit);
}
