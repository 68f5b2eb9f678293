#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace picgen {

inline constexpr int kPictureCount = 84;
inline constexpr std::uint16_t kSidePictureId = 213;
inline constexpr std::uint16_t kIconId = 128;

// Picture k (0..83) in install order: identifiers 749..768, then 770..833.
std::uint16_t PictureResourceId(int picture);
std::string PictureFileName(int picture);

// Writes the 84 pictures (into pictures/), the side picture, the icon and
// the resource script pictures.rc into the given res folder.
void GenerateResources(const std::filesystem::path& resFolder);

}  // namespace picgen
