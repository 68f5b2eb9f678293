#pragma once

#include "Quantizer.h"

namespace picgen {

inline constexpr int kCategories = 12;
inline constexpr int kPicturesPerCategory = 7;
inline constexpr int kTilesPerPicture = 19;

// Picture `variant` (0..6) of category `category` (0..11): 19 tiles of
// 48 x 48 side by side, in full colour.
Canvas PaintPicture(int category, int variant);

// The same with its own 256-colour table, ready for an 8-bit bitmap.
IndexedImage MakePicture(int category, int variant);

}  // namespace picgen
