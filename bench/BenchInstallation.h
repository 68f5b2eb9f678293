#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "install/PictureInstaller.h"
#include "platform/Files.h"

// What the benchmark programs share: a scratch folder of the process's own and
// the installation run into it without a window.

const std::filesystem::path& ScratchFolder();  // removed at exit
void EmptyScratchFolder();

InstallReport RunInstallation(FileSystem& files);
InstallReport RunInstallation();  // over real files

struct FinishedFile {
    std::string path;
    std::string bytes;
};
// The 96 files exactly as the installation leaves them, in its order.
std::vector<FinishedFile> FinishedFiles();
