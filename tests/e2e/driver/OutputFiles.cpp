#include "tests/e2e/driver/OutputFiles.h"

#include <cstdio>

#include "tests/e2e/driver/Files.h"

namespace {

constexpr int kCategories = 12;
constexpr int kPicturesPerCategory = 7;
constexpr int kWidth = 912;
constexpr int kHeight = 48;
constexpr std::size_t kPlane = kWidth * kHeight;
constexpr std::size_t kCatalogSize = 336;

// The game's planar file: red, green and blue planes, top row first.
std::vector<unsigned char> PlanarPicture(const Image& picture) {
    std::vector<unsigned char> planar(3 * kPlane);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb pixel = picture.At(x, y);
            const std::size_t at = static_cast<std::size_t>(y * kWidth + x);
            planar[at] = pixel.red;
            planar[kPlane + at] = pixel.green;
            planar[2 * kPlane + at] = pixel.blue;
        }
    }
    return planar;
}

std::wstring Padded(int number, int digits) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%0*d", digits, number);
    return text;
}

std::wstring PictureNumber(int category, int position) {
    return Padded(100 * category + 70 + position, 4);
}

}  // namespace

std::optional<std::vector<Image>> ReadInstalledPictures(const std::wstring& bitmapFolder,
                                                        Report& report) {
    std::vector<Image> pictures;
    for (int resource = 749; resource <= 833; ++resource) {
        if (resource == 769) continue;  // there is no bitmap 769
        const std::wstring bitmap =
            bitmapFolder + L"\\picture" + std::to_wstring(resource) + L".bmp";
        const auto bmp = ReadWholeFile(bitmap);
        auto picture = bmp ? DecodeBitmapFile(*bmp) : std::nullopt;
        if (!picture || picture->width != kWidth || picture->height != kHeight) {
            report.Check(false, "embedded bitmap readable as 912 x 48, 8 bits", bitmap);
            return std::nullopt;
        }
        pictures.push_back(std::move(*picture));
    }
    return pictures;
}

std::vector<ExpectedFile> ExpectedOutputFiles(const std::vector<Image>& pictures) {
    std::vector<ExpectedFile> files;
    for (int category = 0; category < kCategories; ++category) {
        std::vector<unsigned char> catalog;
        for (int position = 0; position < kPicturesPerCategory; ++position) {
            const std::wstring number = PictureNumber(category, position);
            const auto& picture =
                pictures[static_cast<std::size_t>(kPicturesPerCategory * category + position)];
            files.push_back({L"pi" + number + L"velk", PlanarPicture(picture)});
            catalog.insert(catalog.end(), number.begin(), number.end());
        }
        catalog.resize(kCatalogSize, 'o');
        files.push_back({L"c" + Padded(category, 2) + L"09.txt", catalog});
    }
    return files;
}

void CheckOutputFiles(const std::wstring& picturesFolder, const std::vector<ExpectedFile>& expected,
                      const std::wstring& keptFile, const std::vector<unsigned char>& keptBytes,
                      Report& report) {
    constexpr int kNamed = 8;  // more would drown the report
    std::wstring mismatches;
    int wrong = 0;
    int exact = 0;
    for (const ExpectedFile& file : expected) {
        const bool kept = file.name == keptFile;
        const auto actual = ReadWholeFile(picturesFolder + L"\\" + file.name);
        if (actual && *actual == (kept ? keptBytes : file.bytes)) {
            exact += kept ? 0 : 1;
        } else if (++wrong <= kNamed) {
            mismatches += file.name + (actual ? L" differs; " : L" missing; ");
        }
    }
    if (wrong > kNamed) mismatches += std::to_wstring(wrong - kNamed) + L" more";
    const int written = static_cast<int>(expected.size()) - (keptFile.empty() ? 0 : 1);
    report.Check(wrong == 0,
                 "all " + std::to_string(written) + " files written byte for byte (" +
                     std::to_string(exact) + " exact)" +
                     (keptFile.empty() ? "" : ", " + Utf8(keptFile) + " left as it was"),
                 mismatches);

    std::wstring unexpected;
    const auto present = ListFiles(picturesFolder);
    for (const FolderEntry& entry : present) {
        bool known = false;
        for (const ExpectedFile& file : expected) known = known || file.name == entry.name;
        if (!known) unexpected += entry.name + L" ";
    }
    report.Check(
        unexpected.empty() && present.size() == expected.size(),
        "the pictures folder holds just those " + std::to_string(expected.size()) + " files",
        unexpected);
}
