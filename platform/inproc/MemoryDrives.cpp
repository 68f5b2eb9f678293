#include "platform/inproc/MemoryDrives.h"

#include <cctype>

namespace {

constexpr unsigned kNoRootDirectory = 1;

char UpperLetter(char letter) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
}

}  // namespace

void MemoryDrives::AddDrive(char letter, unsigned type, std::optional<DiskFreeSpace> freeSpace) {
    drives_[UpperLetter(letter)] = Drive{type, freeSpace};
}

const MemoryDrives::Drive* MemoryDrives::Find(std::string_view root) const {
    if (root.size() != 3 || root.substr(1) != ":\\") return nullptr;
    const auto found = drives_.find(UpperLetter(root.front()));
    return found == drives_.end() ? nullptr : &found->second;
}

unsigned MemoryDrives::DriveType(std::string_view root) {
    queries_.push_back("DriveType " + std::string(root));
    const Drive* drive = Find(root);
    return drive ? drive->type : kNoRootDirectory;
}

std::uint32_t MemoryDrives::LogicalDrives() {
    queries_.push_back("LogicalDrives");
    std::uint32_t mask = 0;
    for (const auto& [letter, drive] : drives_) {
        if (letter >= 'A' && letter <= 'Z') mask |= std::uint32_t{1} << (letter - 'A');
    }
    return mask;
}

std::optional<DiskFreeSpace> MemoryDrives::FreeSpace(std::string_view root) {
    queries_.push_back("FreeSpace " + std::string(root));
    const Drive* drive = Find(root);
    return drive ? drive->freeSpace : std::nullopt;
}
