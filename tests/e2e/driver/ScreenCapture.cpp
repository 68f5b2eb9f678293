#include "tests/e2e/driver/ScreenCapture.h"

#include "tests/e2e/driver/OffscreenSurface.h"
#include "tests/e2e/driver/SetupWindow.h"

namespace {

// Longer than the drawing of a window takes to reach the screen once its
// thread is idle.
constexpr double kStillMs = 150;
constexpr DWORD kCapturePauseMs = 20;

}  // namespace

ScreenShot CaptureScreen(HWND window) {
    RECT frame{};
    POINT client{};
    if (!GetWindowRect(window, &frame) || !ClientToScreen(window, &client)) return {};
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const OffscreenSurface surface(width, height, nullptr);
    const HDC screen = GetDC(nullptr);
    const bool copied =
        BitBlt(surface.dc(), 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY) != FALSE;
    ReleaseDC(nullptr, screen);
    if (!copied) return {};
    return {surface.Pixels(), {client.x - frame.left, client.y - frame.top}};
}

ScreenShot AwaitScreen(HWND window, const std::function<bool(const ScreenShot&)>& expected,
                       DWORD timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    ScreenShot last = CaptureScreen(window);
    double lastChanged = NowMs();
    for (;;) {
        Sleep(kCapturePauseMs);
        ScreenShot shot = CaptureScreen(window);
        const double now = NowMs();
        if (shot.Empty() || !(shot == last)) {
            last = std::move(shot);
            lastChanged = now;
        } else if (now - lastChanged >= kStillMs && expected(last)) {
            return last;
        }
        if (now >= deadline) return last;
    }
}
