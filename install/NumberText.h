#pragma once

#include <cstdint>
#include <string>

// Decimal text padded on the left with "0" to at least four characters.
std::string FormatPictureNumber(std::int32_t number);
// Decimal text padded on the left with "0" to at least two characters.
std::string FormatTwoDigits(std::int32_t number);
