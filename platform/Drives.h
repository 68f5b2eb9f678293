#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct DiskFreeSpace {
    std::uint32_t sectorsPerCluster = 0;
    std::uint32_t bytesPerSector = 0;
    std::uint32_t freeClusters = 0;
};

// The drives of the machine, addressed by root texts such as "D:\".
class Drives {
public:
    virtual ~Drives() = default;
    // The system's drive-type number: 0 unknown, 1 no root, 2 removable,
    // 3 fixed, 4 remote, 5 CD-ROM, 6 RAM disk.
    virtual unsigned DriveType(std::string_view root) = 0;
    // Bit 0 for drive A, bit 2 for drive C, and so on.
    virtual std::uint32_t LogicalDrives() = 0;
    // Empty when the system cannot tell.
    virtual std::optional<DiskFreeSpace> FreeSpace(std::string_view root) = 0;
};
