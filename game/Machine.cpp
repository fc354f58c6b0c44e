#include "Machine.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "Bets.h"
#include "Checked.h"
#include "CreditLimit.h"
#include "Credits.h"
#include "Geometry.h"
#include "ReelSpeed.h"

namespace kestrel {

Machine::Machine(RandomSource& random) : random_(random) {}

void Machine::switchPlayer(PlayerRecord record) {
    player_ = std::move(record);
    player_.reelspeed = reelSpeedInForce(player_.reelspeed);
    gambleOffered_ = false;
    heldFeatureWin_ = 0;
}

bool Machine::maySwitchPlayer() const {
    return phase_ == Phase::Idle && freeSpins_.state() == FreeSpins::State::None &&
           coinsPending_ == 0;
}

PlayerSettings Machine::settings() const {
    return {player_.soundonoff, player_.machinepay, player_.winroll, player_.reelspeed};
}

void Machine::changeSettings(const PlayerSettings& settings) {
    player_.soundonoff = settings.soundonoff;
    player_.machinepay = settings.machinepay;
    player_.winroll = settings.winroll;
    player_.reelspeed = reelSpeedInForce(settings.reelspeed);
}

void Machine::renamePlayer(std::string name) {
    player_.currentplayer = std::move(name);
}

void Machine::clearStatistics() {
    player_.amountinvested = 0;
    player_.wager = 0;
    player_.total = 0;
    player_.bank = 0;
    player_.games = 0;
    player_.howmanyspins = 0;
    gambleOffered_ = false;
    heldFeatureWin_ = 0;
}

bool Machine::setLinesPlayed(int lines) {
    // The lines of a decided spin are the ones it is paid on until it has settled.
    if (!isLineCount(lines) || freeSpins_.state() != FreeSpins::State::None ||
        phase_ != Phase::Idle) {
        return false;
    }
    linesPlayed_ = lines;
    return true;
}

PlayResult Machine::play(int button) {
    if (phase_ != Phase::Idle || featureCompleted()) {
        return PlayResult::Busy;
    }
    if (freeSpins_.active()) {
        spinIsFree_ = true;
        decideOutcome();
        return PlayResult::Free;
    }
    if (button >= 1 && button <= kPlayButtons) {
        betPerLine_ = kBetOfPlayButton[button];
    }
    if (totalBet() > player_.bank) {
        return PlayResult::Refused;
    }
    if (player_.bank > highestCreditToPlay(linesPlayed_, betPerLine_)) {
        return PlayResult::CreditFull;
    }
    spinIsFree_ = false;
    heldFeatureWin_ = 0;
    gambleOffered_ = false;
    decideOutcome();
    return PlayResult::Paid;
}

void Machine::decideOutcome() {
    do {
        spinreel1();
    } while (!checkwins());
    book();
    phase_ = Phase::Spinning;
}

void Machine::spinreel1() {
    resetRecords(records_);
    drawReel(1);
    spinreel2();
}
void Machine::spinreel2() {
    drawReel(2);
    spinreel3();
}
void Machine::spinreel3() {
    drawReel(3);
    spinreel4();
}
void Machine::spinreel4() {
    drawReel(4);
    spinreel5();
}
void Machine::spinreel5() {
    drawReel(5);
}

void Machine::drawReel(int reel) {
    recordReel(records_, reel, random_.uniform(kStops));
}

bool Machine::checkwins() {
    result_ = evaluate(records_, linesPlayed_, betPerLine_);
    // The acceptance draw is made on every evaluation, winning or not. A spin paying more than
    // its bet stands only when it comes up 1 in N; anything else is drawn again.
    const int n = std::max<int>(1, player_.machinepay);
    const int k = random_.uniform(n);
    return k == 1 || result_.spinWin <= totalBet();
}

// Books the accepted outcome. Booking once on acceptance is the same as booking every draw and
// undoing the rejected ones, without the undo.
void Machine::book() {
    (void)checkedAdd(player_.total, result_.spinWin);
    if (spinIsFree_) {
        freeSpins_.addWin(result_.spinWin);
        return;
    }
    (void)checkedAdd(player_.wager, totalBet());
    (void)checkedAdd(player_.games, 1);
    (void)checkedSub(player_.bank, totalBet());
}

Settlement Machine::settle() {
    Settlement settlement;
    if (phase_ != Phase::Spinning) {
        return settlement;
    }
    phase_ = Phase::Idle;
    settlement.freeSpin = spinIsFree_;
    const FreeSpins::Step step = freeSpins_.settle(records_.specialCount, result_.spinWin);
    settlement.triggered = step.triggered;
    settlement.firstTrigger = step.firstTrigger;
    settlement.completed = step.completed;
    if (step.triggered) {
        (void)checkedAdd(player_.howmanyspins, 1);
    }
    if (freeSpins_.active() && !roomForAnotherFreeSpin()) {
        freeSpins_.endNow();
        settlement.completed = true;
    }
    if (freeSpins_.state() == FreeSpins::State::None) {
        // play() let the spin be drawn only with room for its largest win, so this always fits.
        if (checkedAdd(player_.bank, result_.spinWin)) {
            settlement.credited = result_.spinWin;
        }
        gambleOffered_ = settlement.credited > 0;
    }
    return settlement;
}

// A free spin is drawn only while its largest win fits beside the credit and the feature total:
// at an absurd credit a feature may lose further spins, never money already won.
bool Machine::roomForAnotherFreeSpin() const {
    std::int32_t credit = player_.bank;
    return checkedAdd(credit, freeSpins_.featureWin()) &&
           checkedAdd(credit, largestSpinWin(linesPlayed_, betPerLine_));
}

bool Machine::takesMoney(std::int32_t amount) const {
    std::int32_t bank = player_.bank;
    std::int32_t invested = player_.amountinvested;
    if (!checkedAdd(bank, amount) || !checkedAdd(invested, amount)) {
        return false;
    }
    // What the machine may still pay into the credit must fit beside the money, with room left
    // to play the smallest bet: a decided paid win, a feature's total and its next free spin's
    // largest win, an open gamble's amount. Five 32-bit amounts cannot overflow a 64-bit sum.
    const bool paidWinPending = phase_ == Phase::Spinning && !spinIsFree_;
    const std::int64_t promised =
        std::int64_t{bank} + (paidWinPending ? result_.spinWin : 0) + freeSpins_.featureWin() +
        (freeSpins_.active() ? largestSpinWin(linesPlayed_, betPerLine_) : 0) +
        (gamble_.isOpen() ? gamble_.atRisk() : 0);
    return promised <= kHighestCreditToInsert;
}

bool Machine::insertCredit(std::int32_t amount) {
    if (!takesMoney(amount)) {
        return false;
    }
    player_.bank += amount;
    player_.amountinvested += amount;
    return true;
}

bool Machine::insertNote() {
    return !freeSpins_.active() && insertCredit(kNoteCredits);
}

bool Machine::pressCoins() {
    if (coinsPending_ > 0) {
        return false;
    }
    coinsPending_ = kCoinsPerPress;
    return true;
}

bool Machine::dropCoin() {
    if (coinsPending_ == 0) {
        return false;
    }
    --coinsPending_;
    return insertCredit(kCoinCredits);
}

bool Machine::takeWin() {
    if (!featureCompleted() || phase_ != Phase::Idle) {
        return false;
    }
    // The credit had room for every spin of the feature, so this fits; were it ever not to, the
    // total stays in the feature rather than being offered to the gamble uncredited.
    if (!checkedAdd(player_.bank, freeSpins_.featureWin())) {
        return false;
    }
    heldFeatureWin_ = freeSpins_.take();
    gambleOffered_ = true;
    return true;
}

std::int32_t Machine::gambleStake() const {
    return heldFeatureWin_ > 0 ? heldFeatureWin_ : result_.spinWin;
}

bool Machine::canGamble() const {
    const std::int32_t stake = gambleStake();
    return gambleOffered_ && phase_ == Phase::Idle &&
           freeSpins_.state() == FreeSpins::State::None && stake > 0 && stake <= player_.bank;
}

bool Machine::openGamble() {
    if (!canGamble()) {
        return false;
    }
    const std::int32_t stake = gambleStake();
    player_.bank -= stake;
    heldFeatureWin_ = 0;
    gambleOffered_ = false;
    gamble_.open(stake);
    phase_ = Phase::Gamble;
    return true;
}

GuessResult Machine::guess(int card, bool won, int factor) {
    const std::int32_t roomInCredit = std::numeric_limits<std::int32_t>::max() - player_.bank;
    if (!gamble_.resolve(won, factor, roomInCredit)) {
        phase_ = Phase::Idle;
    }
    return {card, won};
}

GuessResult Machine::guessColour(CardColour colour) {
    if (phase_ != Phase::Gamble) {
        return {};
    }
    const int card = random_.uniform(4);
    return guess(card, colourOfCard(card) == colour, 2);
}

GuessResult Machine::guessSuit(int suit) {
    if (phase_ != Phase::Gamble) {
        return {};
    }
    const int card = random_.uniform(4);
    return guess(card, card == suit, 4);
}

bool Machine::collect() {
    if (phase_ != Phase::Gamble) {
        return false;
    }
    (void)checkedAdd(player_.bank, gamble_.atRisk());
    // Only what the gamble added to the stake is new winnings; the stake itself was already
    // counted when it was won.
    (void)checkedAdd(player_.total, gamble_.atRisk() - gamble_.staked());
    gamble_.close();
    phase_ = Phase::Idle;
    return true;
}

void Machine::settleForExit() {
    if (phase_ == Phase::Spinning) {
        settle();
    }
    while (freeSpins_.active()) {
        play(0);
        settle();
    }
    takeWin();
    collect();
    while (coinsPending_ > 0) {
        (void)dropCoin();
    }
}

}  // namespace kestrel
