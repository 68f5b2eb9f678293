#include "install/PictureEncoder.h"

#include <memory>

std::string PictureFileName(std::string_view numberText) {
    std::string name = "pi";
    name += numberText;
    name += "velk";
    return name;
}

WriteResult EncodePicture(const PictureSurface& surface, const OutputFolder& folder,
                          std::string_view numberText) {
    if (!surface.HasPicture()) return {WriteStatus::Skipped, {}};
    // The file image belongs to this call alone and is gone when it returns.
    constexpr std::size_t kFileSize = 3 * PictureSurface::kPlaneSize;
    const auto image = std::make_unique_for_overwrite<std::byte[]>(kFileSize);
    const std::span<std::byte> file(image.get(), kFileSize);
    surface.CopyPlanes(file);
    return WriteOutputFile(folder, PictureFileName(numberText), file);
}
