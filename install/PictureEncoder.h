#pragma once

#include <string>
#include <string_view>

#include "install/OutputFiles.h"
#include "install/PictureSurface.h"

// The game's picture file: red, green and blue planes of 48 rows of 912
// bytes, top row first, no header.

// "pi" + number text + "velk"
std::string PictureFileName(std::string_view numberText);

// Writes the current picture of the surface as pi<numberText>velk; nothing
// when the surface holds no picture.
WriteResult EncodePicture(const PictureSurface& surface, const OutputFolder& folder,
                          std::string_view numberText);
