#include "discovery/InstallLocations.h"

#include <optional>
#include <string>

#include "discovery/FreeSpaceDigits.h"
#include "discovery/GameDiscovery.h"
#include "discovery/LanguageChoice.h"
#include "discovery/PicturesFolder.h"
#include "discovery/Probes.h"

namespace {

constexpr std::uint32_t kDriveCBit = 1u << 2;

bool IsMeasured(unsigned driveType) {
    enum : unsigned { Unknown = 0, Removable = 2, Fixed = 3, Remote = 4, RamDisk = 6 };
    switch (driveType) {
        case Unknown:
        case Removable:
        case Fixed:
        case Remote:
        case RamDisk:
            return true;
        default:
            return false;
    }
}

std::string FreeSpaceText(Drives& drives, std::string_view executablePath) {
    if (executablePath.empty()) return "0";
    const char letter = executablePath.front();
    // Floppy drives are never asked: the question would make them spin.
    if (std::string_view("AaBb").find(letter) != std::string_view::npos) return "0";
    const std::string root{letter, ':', '\\'};
    if (!IsMeasured(drives.DriveType(root))) return "0";
    if (!(drives.LogicalDrives() & kDriveCBit)) return "0";
    const std::optional<DiskFreeSpace> space = drives.FreeSpace(root);
    if (!space) return "0";
    // Exact: a drive with terabytes free must not wrap.
    return FreeSpaceDigits(*space);
}

}  // namespace

void ComputeFreeSpace(SetupState& state, Drives& drives, std::string_view executablePath) {
    state.strFreeSpace = FreeSpaceText(drives, executablePath);
}

bool RunDiscovery(SetupState& state, const DiscoveryEnvironment& environment,
                  const std::function<void()>& PrepareDrawing) {
    state.szGameKeyPath = state.szMakerKeyPath;
    state.szGameKeyPath.Append("\\");
    if (!FindGame(state, environment)) return false;
    // FindGame read the game key through this very path, so it fits.
    state.szGameKeyPath.Append(state.szGameKeyName.View());

    state.bPicturesFolderKnown = ReadPicturesFolder(environment.keys, state.szPicturesFolder);
    state.bGameDirectoryKnown = ReadRegistryString(environment.keys, state.szGameKeyPath.View(),
                                                   "Directory", state.szGameDirectory);
    if (!state.bPicturesFolderKnown || !state.bGameDirectoryKnown) return true;

    PathBuffer executablePath = state.szGameDirectory;
    std::string firstByte;
    state.bGameExeReadable = executablePath.Append(state.szGameExeName.View()) &&
                             ProbeFile(environment.files, firstByte, executablePath.View(), 1);
    if (state.bGameExeReadable) ComputeFreeSpace(state, environment.drives, executablePath.View());
    PrepareDrawing();
    ChooseLanguage(state, environment);
    return true;
}
