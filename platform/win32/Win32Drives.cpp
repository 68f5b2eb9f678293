#include "platform/win32/Win32Drives.h"

#include <windows.h>

#include "platform/win32/AnsiText.h"

unsigned Win32Drives::DriveType(std::string_view root) {
    const std::optional<std::string> rootText = ZeroTerminated(root);
    return rootText ? GetDriveTypeA(rootText->c_str()) : DRIVE_NO_ROOT_DIR;
}

std::uint32_t Win32Drives::LogicalDrives() { return GetLogicalDrives(); }

std::optional<DiskFreeSpace> Win32Drives::FreeSpace(std::string_view root) {
    const std::optional<std::string> rootText = ZeroTerminated(root);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (!rootText || !GetDiskFreeSpaceA(rootText->c_str(), &sectorsPerCluster, &bytesPerSector,
                                        &freeClusters, &totalClusters)) {
        return std::nullopt;
    }
    return DiskFreeSpace{sectorsPerCluster, bytesPerSector, freeClusters};
}
