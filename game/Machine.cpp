#include "Machine.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "Bets.h"
#include "Checked.h"
#include "CreditLimit.h"
#include "Credits.h"
#include "Geometry.h"
#include "PayTable.h"
#include "ReelSpeed.h"

namespace kestrel {

Machine::Machine(RandomSource& random) : random_(random) {}

void Machine::switchPlayer(PlayerRecord record) {
    player_ = std::move(record);
    player_.reelspeed = reelSpeedInForce(player_.reelspeed);
    gambleOffered_ = false;
    heldFeatureWin_ = 0;
    history_.clear();
    recording_ = false;
}

bool Machine::maySwitchPlayer() const {
    return !snapshot().inProgress();
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
    history_.clear();
    recording_ = false;
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

bool Machine::setBetPerLine(int betPerLine) {
    if (!isBetPerLine(betPerLine) || freeSpins_.state() != FreeSpins::State::None ||
        phase_ != Phase::Idle) {
        return false;
    }
    betPerLine_ = betPerLine;
    return true;
}

PlayResult Machine::play(int button) {
    const std::int64_t time = std::exchange(nextGameTime_, 0);
    if (phase_ != Phase::Idle || featureCompleted()) {
        return PlayResult::Busy;
    }
    if (freeSpins_.active()) {
        spinIsFree_ = true;
        decideOutcome();
        recordFreeSpin();
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
    const std::int32_t creditBefore = player_.bank;
    decideOutcome();
    recordPaidSpin(time, creditBefore);
    return PlayResult::Paid;
}

void Machine::decideOutcome() {
    spinLines_ = linesPlayed_;
    spinBet_ = betPerLine_;
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
    recordSettlement(settlement);
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
    if (!checkedAdd(bank, amount)) {
        return false;
    }
    // What the machine may still pay into the credit must fit beside the money, with room left
    // to play the smallest bet: a decided paid win, a feature's total and its next free spin's
    // largest win (also the first one of a feature that the decided spin starts), an open
    // gamble's amount, and the coins of a press still to drop (a note must not take their room).
    // Six 32-bit amounts cannot overflow a 64-bit sum.
    const bool paidWinPending = phase_ == Phase::Spinning && !spinIsFree_;
    const bool featureComing = paidWinPending && freeSpinAward(records_.specialCount) > 0;
    const std::int64_t promised =
        std::int64_t{bank} + (paidWinPending ? result_.spinWin : 0) + freeSpins_.featureWin() +
        (freeSpins_.active() || featureComing ? largestSpinWin(linesPlayed_, betPerLine_) : 0) +
        (gamble_.isOpen() ? gamble_.atRisk() : 0) + std::int64_t{coinsPending_} * kCoinCredits;
    return promised <= kHighestCreditToInsert;
}

bool Machine::insertCredit(std::int32_t amount) {
    if (!takesMoney(amount)) {
        return false;
    }
    player_.bank += amount;
    // A statistic at its limit stops counting, as the others do; it never turns money away.
    (void)checkedAdd(player_.amountinvested, amount);
    return true;
}

bool Machine::insertNote() {
    return !freeSpins_.active() && insertCredit(kNoteCredits);
}

bool Machine::pressCoins() {
    // A press is taken whole or not at all: no coin falls that the credit would not take.
    if (coinsPending_ > 0 || !takesMoney(kCoinPressCredits)) {
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
    if (RecordedGame* game = recording(); game && game->feature) {
        game->feature->stage = RecordedFeature::Stage::Taken;
        game->feature->total = heldFeatureWin_;
        (void)checkedAdd(game->creditAfter, heldFeatureWin_);
    }
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
    if (RecordedGame* game = recording()) {
        RecordedGamble& gamble = game->gamble.emplace();
        gamble.staked = stake;
        gamble.amount = stake;
        (void)checkedSub(game->creditAfter, stake);
    }
    return true;
}

GuessResult Machine::guess(Call call, int card, int factor) {
    const RecordedGuess guessed{call, card};
    const bool won = guessed.won();
    if (!gamble_.resolve(card, won, factor, roomInCredit())) {
        phase_ = Phase::Idle;
    }
    if (RecordedGame* game = recording(); game && game->gamble) {
        RecordedGamble& gamble = *game->gamble;
        if (gamble.guessCount < RecordedGamble::kKeptGuesses) {
            gamble.guesses.push_back(guessed);
        }
        (void)checkedAdd(gamble.guessCount, 1);
        gamble.amount = gamble_.atRisk();
        gamble.outcome = won ? gamble.outcome : RecordedGamble::Outcome::Lost;
    }
    return {card, won};
}

// What the credit can still take in: a gamble never raises its amount past it, so collecting
// always fits.
std::int32_t Machine::roomInCredit() const {
    return std::numeric_limits<std::int32_t>::max() - player_.bank;
}

std::int32_t Machine::atRiskIfRight(int factor) const {
    return gamble_.atRiskIfRight(factor, roomInCredit());
}

GuessResult Machine::guessColour(CardColour colour) {
    if (phase_ != Phase::Gamble) {
        return {};
    }
    return guess(colour == CardColour::Red ? Call::Red : Call::Black, random_.uniform(4),
                 Gamble::kColourFactor);
}

GuessResult Machine::guessSuit(int suit) {
    if (phase_ != Phase::Gamble || suit < 1 || suit > 4) {
        return {};
    }
    const auto call = static_cast<Call>(static_cast<int>(Call::Hearts) + suit - 1);
    return guess(call, random_.uniform(4), Gamble::kSuitFactor);
}

bool Machine::collect() {
    if (phase_ != Phase::Gamble) {
        return false;
    }
    (void)checkedAdd(player_.bank, gamble_.atRisk());
    // Only what the gamble added to the stake is new winnings; the stake itself was already
    // counted when it was won.
    (void)checkedAdd(player_.total, gamble_.atRisk() - gamble_.staked());
    if (RecordedGame* game = recording(); game && game->gamble) {
        game->gamble->outcome = RecordedGamble::Outcome::Collected;
        (void)checkedAdd(game->creditAfter, gamble_.atRisk());
    }
    gamble_.close();
    phase_ = Phase::Idle;
    return true;
}

// --- the history ---

void Machine::recordPaidSpin(std::int64_t time, std::int32_t creditBefore) {
    RecordedGame game;
    game.time = time;
    game.game = player_.games;
    game.lines = spinLines_;
    game.betPerLine = spinBet_;
    game.creditBefore = creditBefore;
    game.creditAfter = player_.bank;
    game.spin = recordedSpin(records_, result_, spinLines_, spinBet_);
    history_.add(std::move(game));
    recording_ = true;
}

void Machine::recordFreeSpin() {
    RecordedGame* game = recording();
    if (game == nullptr || !game->feature) {
        return;
    }
    RecordedFeature& feature = *game->feature;
    if (feature.played < RecordedFeature::kKeptSpins) {
        feature.spins.push_back(recordedSpin(records_, result_, spinLines_, spinBet_));
    }
    (void)checkedAdd(feature.played, 1);
    feature.total = freeSpins_.featureWin();
}

void Machine::recordSettlement(const Settlement& settlement) {
    RecordedGame* game = recording();
    if (game == nullptr) {
        return;
    }
    (void)checkedAdd(game->creditAfter, settlement.credited);
    if (settlement.firstTrigger) {
        game->feature = RecordedFeature{};
    }
    if (game->feature && freeSpins_.state() != FreeSpins::State::None) {
        // The feature counts its triggering spin among those awarded; the history does not.
        game->feature->awarded = freeSpins_.awarded() - 1;
        game->feature->total = freeSpins_.featureWin();
        game->feature->stage = freeSpins_.active() ? RecordedFeature::Stage::Running
                                                   : RecordedFeature::Stage::Completed;
    }
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

namespace {

bool isPhase(Machine::Phase phase) {
    return phase == Machine::Phase::Idle || phase == Machine::Phase::Spinning ||
           phase == Machine::Phase::Gamble;
}

}  // namespace

GameSnapshot Machine::snapshot() const {
    GameSnapshot saved;
    saved.phase = phase_;
    saved.linesPlayed = linesPlayed_;
    saved.betPerLine = betPerLine_;
    if (spinLines_ != 0) {
        DecidedSpin spin;
        spin.stops = stopsOf(records_);
        spin.lines = spinLines_;
        spin.betPerLine = spinBet_;
        spin.free = spinIsFree_;
        spin.pays = result_.spinWin;
        saved.lastSpin = spin;
    }
    saved.featureState = freeSpins_.state();
    saved.awarded = freeSpins_.awarded();
    saved.played = freeSpins_.played();
    saved.featureWin = freeSpins_.featureWin();
    if (gamble_.isOpen()) {
        saved.atRisk = gamble_.atRisk();
        saved.staked = gamble_.staked();
        saved.cards = cardsDrawn();
    }
    saved.heldFeatureWin = heldFeatureWin_;
    saved.gambleOffered = gambleOffered_;
    saved.coinsPending = coinsPending_;
    return saved;
}

namespace {

// Whether the history's newest game is the one a snapshot stands in: the last the record
// counted, on the snapshot's last spin, with its feature and gamble where the snapshot has them.
bool standsIn(const RecordedGame& game, const GameSnapshot& saved, std::int32_t gamesPlayed) {
    using State = FreeSpins::State;
    using Stage = RecordedFeature::Stage;
    const std::optional<DecidedSpin>& spin = saved.lastSpin;
    if (game.game != gamesPlayed || !spin || spin->lines != game.lines ||
        spin->betPerLine != game.betPerLine) {
        return false;
    }
    const RecordedFeature* feature = game.feature ? &*game.feature : nullptr;
    if (saved.featureState == State::None) {
        const bool held = saved.heldFeatureWin > 0;
        if (feature
                ? feature->stage != Stage::Taken || (held && feature->total != saved.heldFeatureWin)
                : held) {
            return false;
        }
    } else {
        // A free spin decided but not settled is in the history already, not yet in the count.
        const bool freeSpinDecided = saved.phase == MachinePhase::Spinning && spin->free;
        const Stage stage =
            saved.featureState == State::Running ? Stage::Running : Stage::Completed;
        if (!feature || feature->stage != stage || feature->awarded != saved.awarded - 1 ||
            feature->played != saved.played - 1 + (freeSpinDecided ? 1 : 0) ||
            feature->total != saved.featureWin) {
            return false;
        }
    }
    // The last spin kept is the snapshot's, unless the feature has run past what is kept.
    const RecordedSpin* last = &game.spin;
    if (spin->free) {
        if (!feature || feature->spins.empty()) {
            return false;
        }
        last = feature->played > std::ssize(feature->spins) ? nullptr : &feature->spins.back();
    }
    if (last != nullptr && last->stops != spin->stops) {
        return false;
    }
    const bool gambling = saved.phase == MachinePhase::Gamble;
    const bool gambleOpen = game.gamble && game.gamble->outcome == RecordedGamble::Outcome::Open;
    if (gambling != gambleOpen || (saved.gambleOffered && game.gamble)) {
        return false;
    }
    return !gambling ||
           (game.gamble->staked == saved.staked && game.gamble->amount == saved.atRisk &&
            game.gamble->guessCount == saved.cards.count);
}

}  // namespace

Resumption Machine::resume(PlayerRecord record, const std::optional<GameSnapshot>& saved,
                           GameHistory history) {
    switchPlayer(std::move(record));
    history_ = std::move(history);
    if (saved && restore(*saved)) {
        const RecordedGame* newest = history_.newest();
        recording_ = newest != nullptr && standsIn(*newest, *saved, player_.games);
        return Resumption::AsSaved;
    }
    phase_ = Phase::Idle;
    spinIsFree_ = false;
    spinLines_ = 0;
    spinBet_ = 0;
    records_ = {};
    result_ = {};
    freeSpins_ = {};
    gamble_ = {};
    coinsPending_ = 0;
    return saved ? Resumption::Refused : Resumption::AtRest;
}

// Takes the snapshot only when play could have left the machine so; nothing changes otherwise.
bool Machine::restore(const GameSnapshot& saved) {
    using State = FreeSpins::State;
    const std::optional<FreeSpins> feature =
        FreeSpins::resumed(saved.featureState, saved.awarded, saved.played, saved.featureWin);
    const bool gambling = saved.phase == Phase::Gamble;
    std::optional<Gamble> gamble;
    if (gambling) {
        gamble = Gamble::resumed(saved.atRisk, saved.staked, saved.cards);
    } else if (saved.atRisk == 0 && saved.staked == 0 && saved.cards == DrawnCards{}) {
        gamble = Gamble{};
    }
    if (!feature || !gamble || !isPhase(saved.phase) || !isLineCount(saved.linesPlayed) ||
        !isBetPerLine(saved.betPerLine) || saved.coinsPending < 0 ||
        saved.coinsPending > kCoinsPerPress || saved.heldFeatureWin < 0) {
        return false;
    }

    // The decided spin is recorded from its stops and scored again. A score other than the one
    // stored means the stops, the lines, the bet or the pay were damaged, and which of them is
    // not known: showing the stops would pay what was not booked, paying the stored figure would
    // show what was not paid. So the whole snapshot is refused.
    const std::optional<DecidedSpin>& spin = saved.lastSpin;
    SpinRecords records;
    SpinResult result;
    if (spin) {
        const std::optional<SpinRecords> atStops = recordsAtStops(spin->stops);
        if (!atStops || !isLineCount(spin->lines) || !isBetPerLine(spin->betPerLine)) {
            return false;
        }
        records = *atStops;
        result = evaluate(records, spin->lines, spin->betPerLine);
        if (result.spinWin != spin->pays) {
            return false;
        }
    }

    const State state = saved.featureState;
    const bool spinning = saved.phase == Phase::Spinning;
    const bool atTheBet =
        spin && spin->lines == saved.linesPlayed && spin->betPerLine == saved.betPerLine;
    // A decided spin waits at the bet it was played at: a paid one outside a feature, a free
    // one inside a running feature whose total already holds its win.
    if (spinning &&
        !(atTheBet && (spin->free ? state == State::Running && saved.featureWin >= spin->pays
                                  : state == State::None))) {
        return false;
    }
    // A feature keeps the lines and the bet of the spin that started it.
    if (state != State::None && !atTheBet) {
        return false;
    }
    // A gamble opens at rest, with no feature; an offer and a held total wait at rest (the
    // gamble takes them when it opens), and an offer has something to stake.
    const bool atRest = saved.phase == Phase::Idle && state == State::None;
    if (gambling && state != State::None) {
        return false;
    }
    if ((saved.heldFeatureWin > 0 || saved.gambleOffered) && !atRest) {
        return false;
    }
    if (saved.gambleOffered && saved.heldFeatureWin == 0 && (!spin || spin->pays <= 0)) {
        return false;
    }
    // All the machine owes fits into the credit beside the record's, as play always keeps it.
    const std::int64_t owed = std::int64_t{player_.bank} +
                              (spinning && !spin->free ? spin->pays : 0) + saved.featureWin +
                              (gambling ? saved.atRisk : 0);
    if (owed > kCreditLimit) {
        return false;
    }

    phase_ = saved.phase;
    linesPlayed_ = saved.linesPlayed;
    betPerLine_ = saved.betPerLine;
    spinIsFree_ = spin && spin->free;
    spinLines_ = spin ? spin->lines : 0;
    spinBet_ = spin ? spin->betPerLine : 0;
    records_ = records;
    result_ = result;
    freeSpins_ = *feature;
    gamble_ = *gamble;
    heldFeatureWin_ = saved.heldFeatureWin;
    gambleOffered_ = saved.gambleOffered;
    coinsPending_ = saved.coinsPending;
    return true;
}

}  // namespace kestrel
