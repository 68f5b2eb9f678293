#pragma once

#include <cstdint>

// What a drawing request of the setup window draws besides the frame.
enum SceneMode : std::uint8_t {
    PictureStep = 0,  // the current picture's thumbnail and the progress bar
    ClearBar = 1,     // erase the progress bar's strip
    Decorations = 2,  // header lines and badge
};
