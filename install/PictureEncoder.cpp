#include "install/PictureEncoder.h"

#include <string>

std::vector<std::byte> EncodePictureFile(const PictureSurface& surface) {
    std::vector<std::byte> image(kPictureFileSize);
    std::byte* red = image.data();
    std::byte* green = red + kPlaneSize;
    std::byte* blue = green + kPlaneSize;
    for (int y = 0; y < PictureSurface::kHeight; ++y) {
        for (int x = 0; x < PictureSurface::kWidth; ++x) {
            const std::uint32_t colour = surface.GetPixel(x, y);
            const std::size_t at = std::size_t(y * PictureSurface::kWidth + x);
            red[at] = std::byte(colour & 0xFF);
            green[at] = std::byte((colour >> 8) & 0xFF);
            blue[at] = std::byte((colour >> 16) & 0xFF);
        }
    }
    return image;
}

std::string PictureFileName(std::string_view numberText) {
    std::string name = "pi";
    name += numberText;
    name += "velk";
    return name;
}

WriteResult EncodePicture(const PictureSurface& surface, const OutputFolder& folder,
                          std::string_view numberText) {
    return WriteOutputFile(folder, PictureFileName(numberText), EncodePictureFile(surface));
}
