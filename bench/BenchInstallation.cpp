#include "bench/BenchInstallation.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/posix/PosixFileSystem.h"
#include "res/EmbeddedResources.h"

namespace {

class QuietInstaller : public PictureInstaller {
public:
    QuietInstaller(SetupState& state, FileSystem& files, PictureSurface& surface)
        : PictureInstaller(state, EmbeddedResources(), files, surface) {}

private:
    void DrawScene(std::int32_t, SceneMode) override {}
};

// Notes the files the installation opens, in its order.
class OrderNotingFiles : public FileSystem {
public:
    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override {
        std::string native(path);
        std::replace(native.begin(), native.end(), '\\', '/');
        paths.push_back(native);
        return files_.Open(path, mode);
    }
    std::vector<std::string> paths;

private:
    PosixFileSystem files_;
};

}  // namespace

const std::filesystem::path& ScratchFolder() {
    struct Scratch {
        Scratch() { std::filesystem::create_directories(path); }
        ~Scratch() { std::filesystem::remove_all(path); }
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("install_bench." + std::to_string(getpid()));
    };
    static const Scratch scratch;
    return scratch.path;
}

void EmptyScratchFolder() {
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder())) {
        std::filesystem::remove(entry.path());
    }
}

InstallReport RunInstallation(FileSystem& files) {
    PictureSurface surface;
    surface.Create();
    SetupState state;
    state.szPicturesFolder.Assign(ScratchFolder().string());
    QuietInstaller installer(state, files, surface);
    return installer.InstallAllPictures();
}

InstallReport RunInstallation() {
    PosixFileSystem files;
    return RunInstallation(files);
}

std::vector<FinishedFile> FinishedFiles() {
    OrderNotingFiles order;
    RunInstallation(order);
    std::vector<FinishedFile> files;
    for (const std::string& path : order.paths) {
        std::string bytes(std::filesystem::file_size(path), '\0');
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) std::abort();
        std::fclose(file);
        files.push_back({path, std::move(bytes)});
    }
    return files;
}
