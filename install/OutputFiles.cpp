#include "install/OutputFiles.h"

#include "state/SetupState.h"

namespace {

WriteResult Failure(const IoStatus& status) { return {WriteStatus::Failed, status.systemMessage}; }

}  // namespace

WriteResult WriteOutputFile(const OutputFolder& folder, std::string_view name,
                            std::span<const std::byte> data) {
    PathBuffer path;
    if (!path.Assign(folder.path) || !path.Append("\\") || !path.Append(name)) {
        return {WriteStatus::Skipped, {}};
    }
    // Opening an existing file, else creating it, is one request to the system.
    const std::unique_ptr<File> file = folder.files.Open(path.View(), OpenMode::WriteOrCreate);
    if (!file) return {WriteStatus::Skipped, {}};

    if (IoStatus written = file->Write(data); !written) return Failure(written);
    if (IoStatus closed = file->Close(); !closed) return Failure(closed);
    return {};
}
