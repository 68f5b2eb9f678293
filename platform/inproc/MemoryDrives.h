#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Drives.h"

// Drives kept in memory. Letters compare without case; a root that names no
// added drive has the type "no root" (1). Every query is logged, so that a
// test can see which roots were asked and in what order.
class MemoryDrives : public Drives {
public:
    // A drive that exists; without a free space, asking for it fails.
    void AddDrive(char letter, unsigned type,
                  std::optional<DiskFreeSpace> freeSpace = std::nullopt);

    // "DriveType <root>", "LogicalDrives" and "FreeSpace <root>", in order.
    const std::vector<std::string>& Queries() const { return queries_; }

    unsigned DriveType(std::string_view root) override;
    std::uint32_t LogicalDrives() override;
    std::optional<DiskFreeSpace> FreeSpace(std::string_view root) override;

private:
    struct Drive {
        unsigned type = 0;
        std::optional<DiskFreeSpace> freeSpace;
    };
    const Drive* Find(std::string_view root) const;

    std::map<char, Drive> drives_;  // by upper-case letter
    std::vector<std::string> queries_;
};
