#pragma once

#include "platform/Drives.h"

// The machine's drives through kernel32's "A" functions.
class Win32Drives : public Drives {
public:
    unsigned DriveType(std::string_view root) override;
    std::uint32_t LogicalDrives() override;
    std::optional<DiskFreeSpace> FreeSpace(std::string_view root) override;
};
