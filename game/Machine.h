#pragma once

#include <cstdint>

#include "Evaluation.h"
#include "FreeSpins.h"
#include "Gamble.h"
#include "GameHistory.h"
#include "GameSnapshot.h"
#include "PlayerRecord.h"
#include "RandomSource.h"
#include "SpinRecords.h"

namespace kestrel {

// What a press of a play button led to.
enum class PlayResult {
    Paid,     // a paid spin was decided and charged; the reels may turn
    Free,     // a free spin of the running feature was decided
    Refused,  // the total bet exceeds the credit; nothing moved
    Busy,     // the machine is not ready for a spin (unsettled spin, open gamble, untaken feature)
    // The credit is so high that this bet's largest win might not fit into it; nothing moved.
    // A smaller bet may still play.
    CreditFull,
};

// What settling the decided spin did.
struct Settlement {
    bool freeSpin = false;      // the spin was played inside a feature
    bool triggered = false;     // three or more specials started or extended a feature
    bool firstTrigger = false;  // ... and the feature is new
    bool completed = false;     // the spin was the feature's last
    std::int32_t credited = 0;  // paid into the credit now
};

// What resume() made of a saved game.
enum class Resumption {
    AsSaved,  // the machine stands where the snapshot left it
    AtRest,   // there was no snapshot: the record alone, nothing in progress
    // The snapshot contradicts the rules (a damaged or hand-edited file): the record alone,
    // nothing in progress, the lines and the bet as they were.
    Refused,
};

struct GuessResult {
    int card = 0;  // 1 hearts, 2 clubs, 3 diamonds, 4 spades; 0 when no gamble was open
    bool won = false;
};

// The slot machine without a window: the player's money and statistics, the bet, the outcome
// of every spin, the free-spin feature and the gamble. Every movement of credit is one method
// here; the window only presents what these methods decide.
//
// Phases: Idle → play() → Spinning → settle() → Idle; Idle → openGamble() → Gamble →
// collect() or a lost guess → Idle. A feature runs across spins: while it runs every play() is
// a free spin, and once complete the machine waits for takeWin().
class Machine {
public:
    using Phase = MachinePhase;

    explicit Machine(RandomSource& random);

    // The active player's record. Credit and statistics move only through the methods below;
    // settings and the name through changeSettings() and renamePlayer().
    const PlayerRecord& player() const { return player_; }

    // Makes another record the active one, with no history; a pending gamble offer does not
    // carry over. A reel speed never chosen plays fast from here on.
    void switchPlayer(PlayerRecord record);
    // Whether the active record may be switched or cleared now: nothing is owed to the player
    // in it (no decided spin, feature, open gamble or coins still dropping).
    bool maySwitchPlayer() const;
    // Zeroes the active player's credit and statistics and forgets the history, keeping the name
    // and settings.
    void clearStatistics();

    PlayerSettings settings() const;
    void changeSettings(const PlayerSettings& settings);
    void renamePlayer(std::string name);

    // --- bet ---
    int linesPlayed() const { return linesPlayed_; }
    int betPerLine() const { return betPerLine_; }
    int totalBet() const { return linesPlayed_ * betPerLine_; }
    // The total bet of the last spin decided: the one turning, or the one whose win is offered
    // or gambled; the lines or the bet may have been changed since. 0 before any spin.
    int spinTotalBet() const { return spinLines_ * spinBet_; }
    // Lines 1, 5, 10, 15 or 25; refused inside a feature, while a decided spin has not settled
    // and while a gamble is open.
    bool setLinesPlayed(int lines);
    // A bet per line a play button plays, chosen without spinning (a fresh start of the game
    // begins at 1); refused where setLinesPlayed is.
    bool setBetPerLine(int betPerLine);

    // --- one game ---
    // Play button 1..6 (its bet per line; another value keeps the bet). Decides the whole
    // outcome, redrawing under the payout control, and charges a paid spin.
    PlayResult play(int button);
    // The date and time of the next press of a play button, in seconds since the epoch, for the
    // history: the machine has no clock of its own. The next play() takes it whatever comes of
    // the press, so a paid game played without a time set just before it is recorded with 0
    // (unknown), never with the time of an earlier press.
    void setNextGameTime(std::int64_t secondsSinceEpoch) { nextGameTime_ = secondsSinceEpoch; }
    // Settles the decided spin: credits a paid win, or books the feature's count-down. A feature
    // whose total and the credit no longer have room for another spin's largest win completes
    // with this spin.
    Settlement settle();

    Phase phase() const { return phase_; }
    bool spinIsFree() const { return spinIsFree_; }
    const SpinRecords& records() const { return records_; }
    const SpinResult& result() const { return result_; }
    std::int32_t spinWin() const { return result_.spinWin; }
    int specialCount() const { return records_.specialCount; }

    // --- credit ---
    // Money is taken in only while the credit, with all the machine may still pay into it,
    // stays at or below kHighestCreditToInsert.
    bool insertNote();  // kNoteCredits; not while a feature runs
    // Whether this much money would be taken in now.
    bool takesMoney(std::int32_t amount) const;
    // A press of the coin button: kCoinsPerPress coins to drop, unless a press is under way or
    // the credit would not take them all.
    bool pressCoins();
    // Drops the next coin of the press and credits it; false when none was pending or the coin
    // was not taken in (it is dropped all the same: a spin or a gamble begun while the coins
    // fall may leave no room for the last of them).
    bool dropCoin();
    int coinsPending() const { return coinsPending_; }

    // --- free spins ---
    const FreeSpins& freeSpins() const { return freeSpins_; }
    bool freeSpinsActive() const { return freeSpins_.active(); }
    bool featureCompleted() const { return freeSpins_.state() == FreeSpins::State::Completed; }
    std::int32_t featureWin() const { return freeSpins_.featureWin(); }
    // Pays a completed feature's total into the credit and offers it to the gamble; false, and
    // the feature stays complete, when the total does not fit into the credit.
    bool takeWin();
    std::int32_t heldFeatureWin() const { return heldFeatureWin_; }

    // --- gamble ---
    // The amount a gamble would stake now: a feature total just taken, else the last win.
    std::int32_t gambleStake() const;
    bool canGamble() const;
    // The offer lapses: the reels were taken away (the options, the pay-line view), autoplay
    // settled the win, or a game at rest was taken up.
    void declineGamble() { gambleOffered_ = false; }
    bool openGamble();
    GuessResult guessColour(CardColour colour);
    // A suit 1..4, as the cards are numbered; another number draws no card.
    GuessResult guessSuit(int card);
    bool collect();
    std::int32_t atRisk() const { return gamble_.atRisk(); }
    // What the open gamble began with.
    std::int32_t gambleStaked() const { return gamble_.staked(); }
    // What would be at risk after a right colour (Gamble::kColourFactor) or suit guess.
    std::int32_t atRiskIfRight(int factor) const;
    bool gambleOpen() const { return gamble_.isOpen(); }
    // The cards drawn in the open gamble, for the history strip of a gamble reopened after a
    // restart.
    const DrawnCards& cardsDrawn() const { return gamble_.cards(); }

    // Brings every pending amount home before the record is saved at exit: settles a decided
    // spin, plays out a running feature without presentation, takes its win, collects an open
    // gamble and drops the coins of a press still under way.
    void settleForExit();

    // --- the last games ---
    // The active player's last paid games, each with its free spins and gamble, updated at
    // every step of play.
    const GameHistory& history() const { return history_; }

    // --- saving and resuming ---
    // Everything beside the record that a power cut must not lose.
    GameSnapshot snapshot() const;
    // Puts the machine where a saved record and snapshot left it: a decided spin stays decided
    // on the same stops (recorded and scored again, never drawn again) for the window to show
    // and settle, a feature goes on, an open gamble reopens with the same amount and cards.
    // A snapshot that contradicts the rules is refused whole: its decided spin must score its
    // stored pay on its lines and bet, the phases, feature, gamble and offer must fit together,
    // and all the machine owes must fit into the credit beside the record's. Nothing then is
    // credited or charged: the record stands as read, with nothing in progress.
    // The history saved with them becomes the player's. Play goes on recording into its newest
    // game only when that game is the one the record counted last and the snapshot stands in
    // it (the same spin, feature and gamble); otherwise the next paid game starts a new entry
    // and nothing is added to the old ones.
    Resumption resume(PlayerRecord record, const std::optional<GameSnapshot>& saved,
                      GameHistory history = {});

private:
    // The reel chain: reel 1 resets the records, each reel draws its stop and calls the next.
    void spinreel1();
    void spinreel2();
    void spinreel3();
    void spinreel4();
    void spinreel5();
    void drawReel(int reel);
    // Scores the drawn outcome and applies the payout control; false means "draw again".
    bool checkwins();
    void decideOutcome();
    void book();
    bool roomForAnotherFreeSpin() const;
    bool insertCredit(std::int32_t amount);
    GuessResult guess(Call call, int card, int factor);
    std::int32_t roomInCredit() const;
    bool restore(const GameSnapshot& saved);
    // The history's entry of the game in play, if it is being recorded.
    RecordedGame* recording() { return recording_ ? history_.newest() : nullptr; }
    void recordPaidSpin(std::int64_t time, std::int32_t creditBefore);
    void recordFreeSpin();
    void recordSettlement(const Settlement& settlement);

    RandomSource& random_;
    PlayerRecord player_;
    int linesPlayed_ = 25;
    int betPerLine_ = 1;
    Phase phase_ = Phase::Idle;
    bool spinIsFree_ = false;
    // The lines and bet the last decided spin was scored on; the bet may change once it settled.
    int spinLines_ = 0;
    int spinBet_ = 0;
    SpinRecords records_;
    SpinResult result_;
    FreeSpins freeSpins_;
    Gamble gamble_;
    std::int32_t heldFeatureWin_ = 0;
    bool gambleOffered_ = false;
    int coinsPending_ = 0;
    GameHistory history_;
    bool recording_ = false;  // the newest entry of the history is the game in play
    std::int64_t nextGameTime_ = 0;
};

}  // namespace kestrel
