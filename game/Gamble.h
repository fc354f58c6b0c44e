#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace kestrel {

enum class CardColour { Red, Black };

// Cards 1..4 are the aces of hearts, clubs, diamonds and spades.
constexpr CardColour colourOfCard(int card) {
    return card % 2 == 1 ? CardColour::Red : CardColour::Black;
}

// The cards drawn in one gamble: how many, and the last few, oldest first, as the history strip
// under the card shows them. A window that reopens a gamble after a restart shows these again.
struct DrawnCards {
    static constexpr int kKept = 5;

    std::int32_t count = 0;
    std::array<int, kKept> last{};  // cards 1..4 in the first kept() places, 0 after them

    void add(int card);
    int kept() const { return count < kKept ? count : kKept; }
    bool operator==(const DrawnCards&) const = default;
};

// The amount at stake in a double-or-nothing gamble. A right colour guess doubles it, a right
// suit guess quadruples it, a wrong guess loses it. An amount that would pass the ceiling (what
// the credit can still take in, so that collecting always fits) stays as it is.
class Gamble {
public:
    static constexpr int kColourFactor = 2;
    static constexpr int kSuitFactor = 4;
    // How many doublings a right guess of this factor makes: 1 for a colour, 2 for a suit.
    static constexpr int doublingsOf(int factor) {
        return std::countr_zero(static_cast<unsigned>(factor));
    }
    // Whether `amount` is what right guesses could have made of `staked`: the stake raised by a
    // power of two, by at most `doublings` doublings (fewer where the ceiling held it back).
    static bool raisedWithin(std::int32_t staked, std::int32_t amount, std::int64_t doublings);

    void open(std::int32_t stake);
    // Applies a guess on the drawn card; returns whether the gamble is still open.
    bool resolve(int card, bool won, int factor, std::int32_t ceiling);
    // What is at risk after a right guess of this factor.
    std::int32_t atRiskIfRight(int factor, std::int32_t ceiling) const;
    void close() { open_ = false; }

    // An open gamble as it stood after some won guesses, or nothing when no play could have left
    // it so: the amount is the stake raised by a power of two, at most four times per card drawn.
    static std::optional<Gamble> resumed(std::int32_t atRisk, std::int32_t staked,
                                         const DrawnCards& cards);

    bool isOpen() const { return open_; }
    std::int32_t atRisk() const { return atRisk_; }
    // The amount taken out of the credit when the gamble opened.
    std::int32_t staked() const { return staked_; }
    const DrawnCards& cards() const { return cards_; }

private:
    bool open_ = false;
    std::int32_t atRisk_ = 0;
    std::int32_t staked_ = 0;
    DrawnCards cards_;
};

}  // namespace kestrel
