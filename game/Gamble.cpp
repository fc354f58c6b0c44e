#include "Gamble.h"

#include <bit>

#include "Checked.h"

namespace kestrel {

void DrawnCards::add(int card) {
    if (count < kKept) {
        last[count] = card;
    } else {
        for (int i = 1; i < kKept; ++i) {
            last[i - 1] = last[i];
        }
        last[kKept - 1] = card;
    }
    (void)checkedAdd(count, 1);  // past 2^31 − 1 cards the strip still shows the last five
}

void Gamble::open(std::int32_t stake) {
    open_ = true;
    atRisk_ = stake;
    staked_ = stake;
    cards_ = {};
}

std::int32_t Gamble::atRiskIfRight(int factor, std::int32_t ceiling) const {
    std::int32_t raised = atRisk_;
    return checkedMul(raised, factor) && raised <= ceiling ? raised : atRisk_;
}

bool Gamble::resolve(int card, bool won, int factor, std::int32_t ceiling) {
    cards_.add(card);
    if (won) {
        atRisk_ = atRiskIfRight(factor, ceiling);
        return true;
    }
    atRisk_ = 0;
    open_ = false;
    return false;
}

bool Gamble::raisedWithin(std::int32_t staked, std::int32_t amount, std::int64_t doublings) {
    if (staked <= 0 || amount < staked || amount % staked != 0) {
        return false;
    }
    const auto raise = static_cast<std::uint32_t>(amount / staked);
    return std::has_single_bit(raise) && std::countr_zero(raise) <= doublings;
}

std::optional<Gamble> Gamble::resumed(std::int32_t atRisk, std::int32_t staked,
                                      const DrawnCards& cards) {
    if (cards.count < 0 ||
        !raisedWithin(staked, atRisk, doublingsOf(kSuitFactor) * std::int64_t{cards.count})) {
        return std::nullopt;
    }
    for (int i = 0; i < DrawnCards::kKept; ++i) {
        const int card = cards.last[i];
        if (i < cards.kept() ? card < 1 || card > 4 : card != 0) {
            return std::nullopt;
        }
    }
    Gamble gamble;
    gamble.open_ = true;
    gamble.atRisk_ = atRisk;
    gamble.staked_ = staked;
    gamble.cards_ = cards;
    return gamble;
}

}  // namespace kestrel
