#pragma once

#include <cstdint>

namespace kestrel::sound {

// White noise from a fixed seed (splitmix64), so every build writes the same recordings.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}

    // Uniform in [-1, 1).
    float next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<float>(static_cast<double>(z >> 11) * 0x1.0p-52 - 1.0);
    }

private:
    std::uint64_t state_;
};

}  // namespace kestrel::sound
