#pragma once

#include <windows.h>

#include <functional>

#include "tests/e2e/driver/Image.h"

// What the screen shows of a window, frame included. Read from the screen
// rather than printed by the window, so that it also works while the
// window's thread is busy installing.
struct ScreenShot {
    Image window;
    POINT client{};  // where the client area starts in `window`

    bool Empty() const { return window.Empty(); }
    // A pixel of the client area.
    Rgb At(int x, int y) const { return window.At(client.x + x, client.y + y); }
    bool operator==(const ScreenShot& other) const { return window == other.window; }
};

// Nothing if the window is gone.
ScreenShot CaptureScreen(HWND window);

// The screen lags the window's drawing: captures until the screen has held
// still for a while and shows what `expected` wants, or the time is up, and
// answers the last capture either way.
ScreenShot AwaitScreen(HWND window, const std::function<bool(const ScreenShot&)>& expected,
                       DWORD timeoutMs);
