#include "tests/e2e/driver/Closing.h"

#include "tests/e2e/driver/Layouts.h"
#include "tests/e2e/driver/SampleGame.h"
#include "tests/e2e/driver/Scenarios.h"
#include "tests/e2e/driver/SetupWindow.h"
#include "tests/e2e/driver/Timeouts.h"

namespace {

// Key-message words as a keyboard makes them: repeat count 1 and the key's
// scan code; bit 29 says Alt is held, bits 30 and 31 mark a release.
constexpr LPARAM kEscapeScan = 0x01;
constexpr LPARAM kF4Scan = 0x3E;
constexpr LPARAM kAltHeld = 1 << 29;
constexpr LPARAM kReleased = static_cast<LPARAM>(0xC0000000u);

LPARAM KeyWord(LPARAM scan) { return 1 | (scan << 16); }

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return window;
    if (info.hwndFocus != nullptr) return info.hwndFocus;
    return info.hwndActive != nullptr ? info.hwndActive : window;
}

void PressKey(HWND window, UINT down, UINT up, WPARAM key, LPARAM word) {
    const HWND target = FocusOf(window);
    PostMessageW(target, down, key, word);
    PostMessageW(target, up, key, word | kReleased);
}

void CloseWithEachWay(const DriverPaths& paths, std::string_view mode, Report& report) {
    for (const CloseWay& way : kCloseWays) {
        SetupProcess setup(paths.setupExe);
        const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
        const std::string what = std::string(mode) + ": " + std::string(way.name);
        if (dialog == nullptr || !setup.Settle(dialog)) {
            report.Check(false, what + ": setup window shown");
            continue;
        }
        const bool normal = IsWindowVisible(GetDlgItem(dialog, kOk)) != FALSE;
        report.Check(normal == (mode == "normal mode"), what + ": the mode shown");
        way.press(dialog);
        report.Check(setup.WaitEnded(kExitTimeoutMs), what + " ends the program");
    }
}

}  // namespace

void PressEscape(HWND window) {
    PressKey(window, WM_KEYDOWN, WM_KEYUP, VK_ESCAPE, KeyWord(kEscapeScan));
}

void PressAltF4(HWND window) {
    PressKey(window, WM_SYSKEYDOWN, WM_SYSKEYUP, VK_F4, KeyWord(kF4Scan) | kAltHeld);
}

void PressCloseBox(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

int RunClosingScenario(const DriverPaths& paths) {
    Report report;
    CloseWithEachWay(paths, "no-game mode", report);
    report.Check(StageGame(SampleGame{}, '1'), "sample game staged");
    CloseWithEachWay(paths, "normal mode", report);
    report.PrintSummary("closing");
    return report.Failures();
}
