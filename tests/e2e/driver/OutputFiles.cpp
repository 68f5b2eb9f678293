#include "tests/e2e/driver/OutputFiles.h"

#include <cstdint>
#include <cstdio>

#include "tests/e2e/driver/Files.h"

namespace {

constexpr int kCategories = 12;
constexpr int kPicturesPerCategory = 7;
constexpr int kWidth = 912;
constexpr int kHeight = 48;
constexpr std::size_t kPlane = kWidth * kHeight;
constexpr std::size_t kCatalogSize = 336;

std::uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// The game's planar file from a BMP file: red, green and blue planes, top row
// first; the BMP stores its rows bottom-up and its colours as blue, green, red.
std::optional<std::vector<unsigned char>> PlanarPicture(const std::vector<unsigned char>& bmp) {
    constexpr std::size_t kFileHeader = 14;
    if (bmp.size() < kFileHeader + 40) return std::nullopt;
    const std::size_t pixels = Little(bmp, 10, 4);
    const std::size_t infoSize = Little(bmp, kFileHeader, 4);
    const auto width = static_cast<std::int32_t>(Little(bmp, kFileHeader + 4, 4));
    const auto height = static_cast<std::int32_t>(Little(bmp, kFileHeader + 8, 4));
    const auto bitsPerPixel = Little(bmp, kFileHeader + 14, 2);
    const std::size_t palette = kFileHeader + infoSize;
    if (width != kWidth || height != kHeight || bitsPerPixel != 8 || palette + 1024 > pixels ||
        pixels + kPlane > bmp.size()) {
        return std::nullopt;
    }
    std::vector<unsigned char> planar(3 * kPlane);
    for (std::size_t y = 0; y < kHeight; ++y) {
        for (std::size_t x = 0; x < kWidth; ++x) {
            const std::size_t entry = palette + 4 * bmp[pixels + (kHeight - 1 - y) * kWidth + x];
            for (std::size_t component = 0; component < 3; ++component) {
                planar[component * kPlane + y * kWidth + x] = bmp[entry + 2 - component];
            }
        }
    }
    return planar;
}

std::wstring Padded(int number, int digits) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%0*d", digits, number);
    return text;
}

}  // namespace

std::optional<std::vector<ExpectedFile>> ExpectedOutputFiles(const std::wstring& bitmapFolder,
                                                             Report& report) {
    std::vector<ExpectedFile> files;
    for (int category = 0; category < kCategories; ++category) {
        std::vector<unsigned char> catalog;
        for (int position = 0; position < kPicturesPerCategory; ++position) {
            int resource = 749 + kPicturesPerCategory * category + position;
            if (resource >= 769) ++resource;  // there is no bitmap 769
            const std::wstring number = Padded(100 * category + 70 + position, 4);
            const std::wstring bitmap =
                bitmapFolder + L"\\picture" + std::to_wstring(resource) + L".bmp";
            const auto bmp = ReadWholeFile(bitmap);
            const auto planar = bmp ? PlanarPicture(*bmp) : std::nullopt;
            if (!planar) {
                report.Check(false, "embedded bitmap readable as 912 x 48, 8 bits", bitmap);
                return std::nullopt;
            }
            files.push_back({L"pi" + number + L"velk", *planar});
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
