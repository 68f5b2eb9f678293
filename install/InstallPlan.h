#pragma once

#include <cstdint>

// The 84 pictures, seven to a category, in the order they are installed.

inline constexpr int kCategoryCount = 12;
inline constexpr int kPicturesPerCategory = 7;
inline constexpr int kPictureCount = kCategoryCount * kPicturesPerCategory;

// Resource 769 does not exist; the identifiers skip it.
constexpr std::uint16_t PictureResourceId(int category, int position) {
    const int id = 749 + kPicturesPerCategory * category + position;
    return static_cast<std::uint16_t>(id >= 769 ? id + 1 : id);
}

constexpr std::int32_t PictureNumber(int category, int position) {
    return 100 * category + 70 + position;
}
