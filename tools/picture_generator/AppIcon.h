#pragma once

#include "DibFiles.h"

namespace picgen {

inline constexpr int kIconSize = 32;

// The program's icon: one 32 x 32 image of 16 colours, as a .ico file.
Bytes MakeIconFile();

}  // namespace picgen
