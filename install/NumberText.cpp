#include "install/NumberText.h"

namespace {

std::string PadWithZeros(std::int32_t number, std::size_t width) {
    std::string text = std::to_string(number);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

}  // namespace

std::string FormatPictureNumber(std::int32_t number) { return PadWithZeros(number, 4); }

std::string FormatTwoDigits(std::int32_t number) { return PadWithZeros(number, 2); }
