#pragma once

#include <cstdint>

namespace kestrel {

// The payout levels the options offer, stored in the record as `machinepay`: a spin that pays
// more than its bet stands one time in N and is drawn again otherwise.
enum class Payout : std::int16_t {
    Realistic = 7,
    Loose = 4,
};

constexpr std::int16_t machinepayOf(Payout level) {
    return static_cast<std::int16_t>(level);
}

// Whether a stored `machinepay` is one of the levels the program sets.
constexpr bool isPayoutLevel(std::int64_t machinepay) {
    return machinepay == machinepayOf(Payout::Realistic) ||
           machinepay == machinepayOf(Payout::Loose);
}

}  // namespace kestrel
