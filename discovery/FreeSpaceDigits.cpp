#include "discovery/FreeSpaceDigits.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// The product reaches 86 bits, past every integer type the 32-bit build
// has; it is kept as base-10^9 limbs, least significant first, so that each
// step fits 64 bits and the digits need no division at the end.
constexpr std::uint32_t kLimbBase = 1000000000;
using Limbs = std::array<std::uint32_t, 3>;

void MultiplyBy(Limbs& limbs, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kLimbBase);
        carry = product / kLimbBase;
    }
}

std::string DecimalText(const Limbs& limbs) {
    std::size_t top = limbs.size() - 1;
    while (top > 0 && limbs[top] == 0) --top;
    std::string text = std::to_string(limbs[top]);
    while (top-- > 0) {
        char digits[10];
        std::snprintf(digits, sizeof digits, "%09u", static_cast<unsigned>(limbs[top]));
        text += digits;
    }
    return text;
}

}  // namespace

std::string FreeSpaceDigits(const DiskFreeSpace& space) {
    Limbs limbs{space.freeClusters / 1000};
    MultiplyBy(limbs, space.sectorsPerCluster);
    MultiplyBy(limbs, space.bytesPerSector);
    return DecimalText(limbs);
}
