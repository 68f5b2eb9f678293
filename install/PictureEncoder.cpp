#include "install/PictureEncoder.h"

std::string PictureFileName(std::string_view numberText) {
    std::string name = "pi";
    name += numberText;
    name += "velk";
    return name;
}

WriteResult EncodePicture(const PictureSurface& surface, const OutputFolder& folder,
                          std::string_view numberText) {
    return WriteOutputFile(folder, PictureFileName(numberText), surface.Planes());
}
