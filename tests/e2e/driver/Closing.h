#pragma once

#include <windows.h>

#include <string_view>

#include "tests/e2e/driver/Report.h"

struct DriverPaths;

// Keys reach the window of the thread that has the keyboard focus, as typed
// keys do, through the dialog's own message loop.
void PressEscape(HWND window);
void PressAltF4(HWND window);
void PressCloseBox(HWND window);

// The ways a user closes a window besides its buttons.
struct CloseWay {
    std::string_view name;
    void (*press)(HWND window);
};
inline constexpr CloseWay kEscape{"Esc", PressEscape};
inline constexpr CloseWay kCloseBox{"the close box", PressCloseBox};
inline constexpr CloseWay kAltF4{"Alt+F4", PressAltF4};
inline constexpr CloseWay kCloseWays[] = {kEscape, kCloseBox, kAltF4};

// Each way in the no-game mode and in the normal mode, each on a setup.exe
// of its own: the program ends right after.
int RunClosingScenario(const DriverPaths& paths);
