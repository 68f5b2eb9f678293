#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "install/OutputFiles.h"
#include "install/PictureSurface.h"
#include "install/SceneMode.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "state/SetupState.h"

struct FileFailure {
    std::string fileName;  // relative to the pictures folder
    std::string systemMessage;
};

// What an installation run did not do.
struct InstallReport {
    std::vector<std::string> skippedFiles;  // could not be written; the run went on
    std::optional<FileFailure> stoppedBy;   // the write error that ended the run
    std::size_t writtenFiles = 0;           // written in full

    bool Complete() const { return skippedFiles.empty() && !stoppedBy; }
};

// The installation run. The setup window derives from it, because every
// picture step draws on the window.
class PictureInstaller {
public:
    PictureInstaller(SetupState& state, const Resources& resources, FileSystem& files,
                     PictureSurface& surface)
        : state_(state), resources_(resources), files_(files), surface_(surface) {}

    // Installs the 84 pictures and the 12 catalogs in plan order; stops at the
    // first file the system refuses to write.
    InstallReport InstallAllPictures();

    // One picture step; false when a write error must stop the run.
    bool InstallPicture(int category, std::uint16_t resourceId, std::int32_t number);

protected:
    ~PictureInstaller() = default;
    virtual void DrawScene(std::int32_t index, SceneMode mode) = 0;

private:
    OutputFolder Folder() const { return {files_, state_.szPicturesFolder.View()}; }
    // Notes what a file's write left undone; false when the run must stop.
    bool Record(std::string_view fileName, const WriteResult& result);

    SetupState& state_;
    const Resources& resources_;
    FileSystem& files_;
    PictureSurface& surface_;
    InstallReport report_;
};
