#pragma once

#include <cstdint>
#include <random>

namespace kestrel {

// Where the machine's randomness comes from: reel stops, the payout control's acceptance draw
// and the gamble's card. Tests substitute a scripted source to force any outcome.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniformly distributed integer in 1..n (n ≥ 1).
    virtual int uniform(int n) = 0;
};

// The machine's generator: one 64-bit Mersenne Twister, seeded once, unbiased draws.
class StdRandom final : public RandomSource {
public:
    StdRandom() : engine_(seedFromDevice()) {}
    explicit StdRandom(std::uint64_t seed) : engine_(seed) {}

    int uniform(int n) override { return std::uniform_int_distribution<int>(1, n)(engine_); }

private:
    static std::uint64_t seedFromDevice() {
        std::random_device device;
        return (static_cast<std::uint64_t>(device()) << 32) ^ device();
    }

    std::mt19937_64 engine_;
};

}  // namespace kestrel
