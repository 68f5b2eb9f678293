#pragma once

#include <windows.h>

#include "tests/e2e/driver/Image.h"
#include "tests/e2e/driver/Report.h"

// The system menu's last entries: a separator, then "&About Plexaru..."
// with the command 0x10.
void CheckSystemMenuEntry(HWND dialog, Report& report);

enum class AboutOpener { SystemMenu, Button };
enum class AboutCloser { OkButton, Escape };

// Opens the About box, checks its caption, texts, rectangles and icon, the
// setup window's waiting behind it, and closes it.
void CheckAboutBox(HWND dialog, AboutOpener opener, AboutCloser closer, const Image& icon,
                   Report& report);
