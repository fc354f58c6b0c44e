#include "GameHistory.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "Bets.h"
#include "Gamble.h"
#include "PayTable.h"
#include "Paylines.h"

namespace kestrel {

bool RecordedGuess::won() const {
    switch (call) {
        case Call::Red:
            return colourOfCard(card) == CardColour::Red;
        case Call::Black:
            return colourOfCard(card) == CardColour::Black;
        default:
            return card == static_cast<int>(call) - static_cast<int>(Call::Hearts) + 1;
    }
}

void GameHistory::add(RecordedGame game) {
    games_.push_back(std::move(game));
    if (games_.size() > kGames) {
        games_.pop_front();
    }
}

RecordedSpin recordedSpin(const SpinRecords& records, const SpinResult& result, int lines,
                          int betPerLine) {
    RecordedSpin spin;
    spin.stops = stopsOf(records);
    spin.specials = records.specialCount;
    spin.scatterPays = scatterMultiplier(records.specialCount) * lines * betPerLine;
    // Only the symbol in a line's reel-1 cell can win on it (see evaluate()).
    for (int line = 1; line <= std::min(lines, kLines); ++line) {
        const int count = result.winCount[line];
        if (count > 0) {
            const Symbol first = symbolOfPicture(records.cellPic[1][int(lineRow(line, 1))]);
            spin.lineWins.push_back({line, count, lineMultiplier(first, count) * betPerLine});
        }
    }
    spin.pays = result.spinWin;
    return spin;
}

std::optional<RecordedSpin> scoredSpin(const std::array<int, kReels>& stops, int lines,
                                       int betPerLine) {
    const std::optional<SpinRecords> records = recordsAtStops(stops);
    if (!records || !isLineCount(lines) || !isBetPerLine(betPerLine)) {
        return std::nullopt;
    }
    return recordedSpin(*records, evaluate(*records, lines, betPerLine), lines, betPerLine);
}

namespace {

bool featureCouldHaveBeenPlayed(const RecordedFeature& feature, const RecordedSpin& trigger) {
    const auto kept = std::min(feature.played, RecordedFeature::kKeptSpins);
    if (trigger.specials < 3 || feature.played < 0 || feature.played > feature.awarded ||
        std::ssize(feature.spins) != kept) {
        return false;
    }
    // What the kept spins account for; spins past them may add more of both.
    std::int64_t awarded = freeSpinAward(trigger.specials) - 1;
    std::int64_t total = trigger.pays;
    for (const RecordedSpin& spin : feature.spins) {
        awarded += freeSpinAward(spin.specials);
        total += spin.pays;
    }
    if (feature.played == kept) {
        // A free spin is kept as it is decided, with its win in the total, but what a re-trigger
        // among its specials adds is counted only as it settles: while the last spin of a
        // running feature turns, its award may be missing yet.
        const bool lastMayTurn = feature.stage == RecordedFeature::Stage::Running && kept > 0;
        const int turning = lastMayTurn ? freeSpinAward(feature.spins.back().specials) : 0;
        return (feature.awarded == awarded || feature.awarded == awarded - turning) &&
               feature.total == total;
    }
    return feature.awarded >= awarded && feature.total >= total;
}

bool gambleCouldHaveBeenPlayed(const RecordedGamble& gamble) {
    using Outcome = RecordedGamble::Outcome;
    const bool lost = gamble.outcome == Outcome::Lost;
    const auto kept = std::min(gamble.guessCount, RecordedGamble::kKeptGuesses);
    if (gamble.staked <= 0 || gamble.guessCount < (lost ? 1 : 0) ||
        std::ssize(gamble.guesses) != kept ||
        (lost ? gamble.amount != 0 : gamble.amount < gamble.staked)) {
        return false;
    }
    // Every guess was won but a lost gamble's last one. A right colour doubles the amount and
    // a right suit quadruples it, unless that would pass the credit's ceiling: the amount is the
    // stake raised by a power of two, no higher than the kept guesses could raise it.
    int doublings = 0;
    for (int i = 0; i < kept; ++i) {
        const RecordedGuess& guess = gamble.guesses[i];
        const bool last = i == gamble.guessCount - 1;
        if (guess.card < 1 || guess.card > 4 || guess.won() == (lost && last)) {
            return false;
        }
        const bool colour = guess.call == Call::Red || guess.call == Call::Black;
        doublings += Gamble::doublingsOf(colour ? Gamble::kColourFactor : Gamble::kSuitFactor);
    }
    if (gamble.guessCount > kept) {
        // Guesses past the kept ones may have raised it by any power of two in range.
        doublings = std::numeric_limits<std::int32_t>::digits;
    }
    return lost || Gamble::raisedWithin(gamble.staked, gamble.amount, doublings);
}

}  // namespace

bool couldHaveBeenPlayed(const RecordedGame& game) {
    using Stage = RecordedFeature::Stage;
    if (!isLineCount(game.lines) || !isBetPerLine(game.betPerLine) ||
        game.creditBefore < game.totalBet() || game.creditAfter < 0) {
        return false;
    }
    const std::int64_t charged = std::int64_t{game.creditBefore} - game.totalBet();
    // Three or more specials start a feature as the spin settles; until then nothing followed.
    if (game.spin.specials >= 3 && !game.feature) {
        return !game.gamble && game.creditAfter == charged;
    }
    if (game.feature && !featureCouldHaveBeenPlayed(*game.feature, game.spin)) {
        return false;
    }
    const bool taken = game.feature && game.feature->stage == Stage::Taken;
    // What the game won into the credit: the spin's pays, or a taken feature's total.
    const std::int32_t won = game.feature ? (taken ? game.feature->total : 0) : game.spin.pays;
    std::int64_t after = charged + won;
    if (game.gamble) {
        if (game.gamble->staked != won || !gambleCouldHaveBeenPlayed(*game.gamble)) {
            return false;
        }
        const bool collected = game.gamble->outcome == RecordedGamble::Outcome::Collected;
        after += (collected ? game.gamble->amount : 0) - game.gamble->staked;
    }
    // A paid spin still turning has paid nothing yet.
    const bool mayBeTurning = !game.feature && !game.gamble;
    return game.creditAfter == after || (mayBeTurning && game.creditAfter == charged);
}

}  // namespace kestrel
