#pragma once

#include <windows.h>

#include <vector>

// Saves what the screen shows of the window, frame included, as a 24-bit
// BMP. Read from the screen rather than printed by the window, so that it
// also works while the window's thread is busy installing.
// The BMP file's bytes, or nothing if the window is gone.
std::vector<unsigned char> CaptureWindow(HWND window);
