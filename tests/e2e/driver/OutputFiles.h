#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/Image.h"
#include "tests/e2e/driver/Report.h"

// A file the installation writes into the pictures folder, with the bytes it
// must hold.
struct ExpectedFile {
    std::wstring name;
    std::vector<unsigned char> bytes;
};

// The 84 embedded pictures in the order they are installed, decoded here
// from the bitmap files the program embeds.
std::optional<std::vector<Image>> ReadInstalledPictures(const std::wstring& bitmapFolder,
                                                        Report& report);

// The 84 picture files and 12 catalogs in the order they are written.
std::vector<ExpectedFile> ExpectedOutputFiles(const std::vector<Image>& pictures);

// Checks that the pictures folder holds exactly the expected files, each
// byte for byte, except `keptFile`, which must still hold `keptBytes`.
void CheckOutputFiles(const std::wstring& picturesFolder, const std::vector<ExpectedFile>& expected,
                      const std::wstring& keptFile, const std::vector<unsigned char>& keptBytes,
                      Report& report);
