#pragma once

#include <cstdint>

namespace picgen {

// A small fixed-seed generator (SplitMix64), so that "random" scatter is
// the same on every run and every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [low, high).
    float Between(float low, float high) {
        return low + (high - low) * static_cast<float>(Next() >> 40) / static_cast<float>(1 << 24);
    }

private:
    std::uint64_t state_;
};

}  // namespace picgen
