#include "tests/e2e/driver/References.h"

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/GdiReferences.h"
#include "tests/e2e/driver/OutputFiles.h"

namespace {

constexpr int kSideWidth = 259;
constexpr int kSideHeight = 444;

std::optional<Image> SidePicture(const std::wstring& path) {
    const auto bmp = ReadWholeFile(path);
    auto side = bmp ? DecodeBitmapFile(*bmp) : std::nullopt;
    if (!side || side->width != kSideWidth || side->height != kSideHeight) return std::nullopt;
    return side;
}

}  // namespace

std::optional<References> LoadReferences(const std::wstring& bitmapFolder, Report& report) {
    const std::wstring resources = bitmapFolder + L"\\..";
    auto side = SidePicture(resources + L"\\side.bmp");
    report.Check(side.has_value(), "side picture readable as 259 x 444, 8 bits", resources);
    auto icon = IconOnWhite(resources + L"\\setup.ico");
    report.Check(icon.has_value(), "icon readable as 32 x 32", resources);
    auto pictures = ReadInstalledPictures(bitmapFolder, report);
    if (!side || !icon || !pictures) return std::nullopt;
    References references{std::move(*side), std::move(*icon), std::move(*pictures), {}};
    for (const Image& picture : references.pictures)
        references.thumbnails.push_back(StretchedThumbnail(picture));
    return references;
}
