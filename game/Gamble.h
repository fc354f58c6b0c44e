#pragma once

#include <cstdint>

namespace kestrel {

enum class CardColour { Red, Black };

// Cards 1..4 are the aces of hearts, clubs, diamonds and spades.
constexpr CardColour colourOfCard(int card) {
    return card % 2 == 1 ? CardColour::Red : CardColour::Black;
}

// The amount at stake in a double-or-nothing gamble. A right colour guess doubles it, a right
// suit guess quadruples it, a wrong guess loses it. An amount that would pass the ceiling (what
// the credit can still take in, so that collecting always fits) stays as it is.
class Gamble {
public:
    void open(std::int32_t stake);
    // Applies a guess's result; returns whether the gamble is still open.
    bool resolve(bool won, int factor, std::int32_t ceiling);
    void close() { open_ = false; }

    bool isOpen() const { return open_; }
    std::int32_t atRisk() const { return atRisk_; }
    // The amount taken out of the credit when the gamble opened.
    std::int32_t staked() const { return staked_; }

private:
    bool open_ = false;
    std::int32_t atRisk_ = 0;
    std::int32_t staked_ = 0;
};

}  // namespace kestrel
