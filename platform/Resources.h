#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The program's own embedded resources.
class Resources {
public:
    virtual ~Resources() = default;
    // The device-independent bitmap (without file header) with that
    // identifier; empty when there is none.
    virtual std::span<const std::byte> Bitmap(std::uint16_t id) const = 0;
};
