#pragma once

#include "Quantizer.h"

namespace picgen {

inline constexpr int kSideWidth = 259;
inline constexpr int kSideHeight = 444;
inline constexpr int kSideColours = 31;

// The decorative panel at the left of the setup window, which the
// thumbnails cover row by row during the installation.
Canvas PaintSidePicture();
IndexedImage MakeSidePicture();

}  // namespace picgen
