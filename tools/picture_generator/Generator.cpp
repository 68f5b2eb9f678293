#include "Generator.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "AppIcon.h"
#include "DibFiles.h"
#include "PictureStrip.h"
#include "SidePicture.h"

namespace picgen {

namespace {

constexpr std::uint16_t kFirstPictureId = 749;
constexpr std::uint16_t kMissingPictureId = 769;
constexpr const char* kSideFile = "side.bmp";
constexpr const char* kIconFile = "setup.ico";

std::string ResourceScript() {
    std::ostringstream script;
    script << "// Written by tools/picture_generator; regenerate rather than edit.\n"
           << "// File names are relative to this folder: add it to the include path.\n";
    for (int picture = 0; picture < kPictureCount; ++picture)
        script << PictureResourceId(picture) << " BITMAP \"pictures/" << PictureFileName(picture)
               << "\"\n";
    script << kSidePictureId << " BITMAP \"" << kSideFile << "\"\n"
           << kIconId << " ICON \"" << kIconFile << "\"\n";
    return script.str();
}

std::vector<std::uint32_t> PackedTable(const IndexedImage& image) {
    std::vector<std::uint32_t> packed;
    for (Rgb8 c : image.palette) packed.push_back((c.r << 16) | (c.g << 8) | c.b);
    return packed;
}

}  // namespace

std::uint16_t PictureResourceId(int picture) {
    const int id = kFirstPictureId + picture;
    return static_cast<std::uint16_t>(id >= kMissingPictureId ? id + 1 : id);
}

std::string PictureFileName(int picture) {
    return "picture" + std::to_string(PictureResourceId(picture)) + ".bmp";
}

void GenerateResources(const std::filesystem::path& resFolder) {
    std::filesystem::create_directories(resFolder / "pictures");
    // Every picture must carry a colour table of its own.
    std::set<std::vector<std::uint32_t>> tables;
    for (int picture = 0; picture < kPictureCount; ++picture) {
        const IndexedImage image =
            MakePicture(picture / kPicturesPerCategory, picture % kPicturesPerCategory);
        if (!tables.insert(PackedTable(image)).second)
            throw std::runtime_error("two pictures share a colour table");
        WriteFile(resFolder / "pictures" / PictureFileName(picture), BitmapFile(image));
    }
    WriteFile(resFolder / kSideFile, BitmapFile(MakeSidePicture()));
    WriteFile(resFolder / kIconFile, MakeIconFile());
    std::ofstream(resFolder / "pictures.rc", std::ios::binary) << ResourceScript();
}

}  // namespace picgen
