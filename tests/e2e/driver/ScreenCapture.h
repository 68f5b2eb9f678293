#pragma once

#include <windows.h>

#include <string>

// Saves what the screen shows of the window, frame included, as a 24-bit
// BMP. Read from the screen rather than printed by the window, so that it
// also works while the window's thread is busy installing.
bool CaptureWindow(HWND window, const std::wstring& bmpPath);
