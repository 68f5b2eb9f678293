#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/Image.h"
#include "tests/e2e/driver/PixelCheck.h"
#include "tests/e2e/driver/ScreenCapture.h"

// What the setup window's client area must show: the frame, the header
// lines, the badge, the white background, the side picture or the
// thumbnails laid over it, and each visible control drawn in its state.
struct SceneExpectation {
    bool headerText = true;              // the texts were loaded, so both header lines show
    const Image* sidePicture = nullptr;  // shown at (5, 5) before the installation
    const std::vector<Image>* thumbnails = nullptr;  // the 84 cells after it
};

// A visible control as the window reports it: the background check leaves
// its rectangle alone, the control check looks inside it.
struct ShownControl {
    std::string name;
    RECT rect;  // client pixels
    bool button;
    bool enabled;
    bool hasText;
};
std::vector<ShownControl> ShownControls(HWND dialog);

PixelChecks CheckScene(const ScreenShot& shot, const SceneExpectation& expected,
                       const std::vector<ShownControl>& controls);

// A push button shows its outline, and black text only when enabled; a
// static text or field with a text shows some of it.
PixelCheck ControlDrawn(const ScreenShot& shot, const ShownControl& control);

struct SceneView {
    ScreenShot shot;
    PixelChecks checks;
};
// Waits for the screen to show the window's present layout as expected, or
// for the time allowed; answers the screen and its checks either way.
SceneView AwaitScene(HWND dialog, const SceneExpectation& expected);

// The progress strip while the installation runs: nothing, or one red bar
// from x 291 of a width the run passes through.
PixelChecks CheckProgressBar(const ScreenShot& shot);
