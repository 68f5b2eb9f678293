#include "tests/e2e/driver/ScreenCapture.h"

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

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied = bits != nullptr && BitBlt(memory, 0, 0, width, height, screen, frame.left,
                                                  frame.top, SRCCOPY) != FALSE;
    GdiFlush();

    ScreenShot shot;
    if (copied) {
        shot.window = Image(width, height);
        const auto* quads = static_cast<const unsigned char*>(bits);  // blue, green, red, unused
        for (std::size_t i = 0; i < shot.window.pixels.size(); ++i)
            shot.window.pixels[i] = {quads[4 * i + 2], quads[4 * i + 1], quads[4 * i]};
        shot.client = {client.x - frame.left, client.y - frame.top};
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
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
