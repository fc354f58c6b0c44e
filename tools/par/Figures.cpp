#include "Figures.h"

#include <stdexcept>

#include "PayTable.h"

namespace kestrel::par {

namespace {

// An outcome's chance of standing is 1 within the bet and 1/N over it; scaled by N both weights
// are integers. With counts below 22^5 and wins below 2^16 per outcome, every weighted sum stays
// far inside 64 bits for N up to kMaxPayout.
std::int64_t weighted(std::int64_t withinBet, std::int64_t overBet, int payout) {
    return payout * withinBet + overBet;
}

}  // namespace

Figures figuresOf(const LineTally& tally, int lines, int payout) {
    if (lineCountIndex(lines) < 0) {
        throw std::invalid_argument("lines must be 1, 5, 10, 15 or 25");
    }
    if (payout < 1 || payout > kMaxPayout) {
        throw std::invalid_argument("the payout setting is outside its range");
    }
    const ClassTally& in = tally.withinBet;
    const ClassTally& over = tally.overBet;
    const std::int64_t standing = weighted(in.outcomes, over.outcomes, payout);
    if (standing <= 0) {
        throw std::invalid_argument("the tally holds no outcomes");
    }
    const std::int64_t win = weighted(in.win, over.win, payout);
    const std::int64_t hits = weighted(in.hits, over.hits, payout);

    // A feature is a branching count: each free spin awards freeSpinAward(specials) more.
    std::int64_t triggers = 0;  // standing outcomes with three or more specials
    std::int64_t awarded = 0;   // their awards summed
    for (int specials = 0; specials < static_cast<int>(in.bySpecials.size()); ++specials) {
        const int award = freeSpinAward(specials);
        if (award > 0) {
            const std::int64_t n =
                weighted(in.bySpecials[specials], over.bySpecials[specials], payout);
            triggers += n;
            awarded += n * award;
        }
    }
    // The triggering spin is the feature's first played spin, so it leaves award − 1 to play.
    const std::int64_t leftAfterTrigger = awarded - triggers;

    using Real = long double;
    Figures f;
    f.rtpBase = static_cast<double>(Real(win) / (Real(standing) * lines));
    f.hitFrequency = static_cast<double>(Real(hits) / Real(standing));
    f.triggerProbability = static_cast<double>(Real(triggers) / Real(standing));
    f.freeSpinBranching = static_cast<double>(Real(awarded) / Real(standing));
    if (triggers == 0) {
        f.rtpTotal = f.rtpBase;
        return f;
    }
    if (awarded >= standing) {
        f.meanFreeSpins = std::numeric_limits<double>::infinity();
        f.rtpTotal = std::numeric_limits<double>::infinity();
        return f;
    }
    // E[free spins | trigger] = E[award − 1 | trigger] / (1 − α), α = awarded / standing.
    // Every spin of a feature wins like a paid spin (Wald), so the total return is the base
    // return times 1 + P(trigger) · E[free spins | trigger] = 1 + leftAfterTrigger / (standing −
    // awarded).
    const Real remaining = Real(standing - awarded);
    f.meanFreeSpins =
        static_cast<double>(Real(leftAfterTrigger) * Real(standing) / (Real(triggers) * remaining));
    f.rtpTotal = static_cast<double>(Real(win) * (remaining + Real(leftAfterTrigger)) /
                                     (Real(standing) * lines * remaining));
    return f;
}

}  // namespace kestrel::par
