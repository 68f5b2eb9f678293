#pragma once

#include <cstddef>
#include <span>

#include "platform/Resources.h"

// The program's own resources: the 84 pictures (749..768, 770..833), the
// side picture 213 and icon 128. Bitmap(id) answers what an RT_BITMAP
// resource holds, the DIB without its file header. The same in both builds:
// Win32 reads the module's resources, the native build carries the bytes.
const Resources& EmbeddedResources();

// Icon 128 as an RT_ICON resource holds it: a 32 x 32, 4-bit DIB whose
// header gives the doubled height 64 (colour image, then the AND mask).
std::span<const std::byte> EmbeddedIconImage();
