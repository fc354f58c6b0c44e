#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "Evaluation.h"
#include "Gamble.h"
#include "Geometry.h"
#include "SpinRecords.h"

namespace kestrel {

// A line that won in a spin: how many symbols in a row from reel 1, and what it paid.
struct LineWin {
    int line = 0;  // 1..25
    int count = 0;
    std::int32_t pays = 0;
    bool operator==(const LineWin&) const = default;
};

// One spin as it was scored: where the reels stopped and everything the stops paid.
struct RecordedSpin {
    std::array<int, kReels> stops{};  // reel 1 first, each 1..kStops
    std::vector<LineWin> lineWins;    // the winning lines, in line order
    int specials = 0;                 // scatters plus wilds in the window
    std::int32_t scatterPays = 0;
    std::int32_t pays = 0;  // the line wins and the scatter pay together
    bool operator==(const RecordedSpin&) const = default;
};

// What the player called in one guess of the gamble. A colour doubles, a suit quadruples; the
// suits are in the order of the cards 1..4.
enum class Call : std::uint8_t { Red, Black, Hearts, Clubs, Diamonds, Spades };

struct RecordedGuess {
    Call call = Call::Red;
    int card = 0;  // the card drawn, 1..4

    bool won() const;
    bool operator==(const RecordedGuess&) const = default;
};

// The free spins a paid spin started. Re-triggers inside the feature extend it: their spins
// follow in the same list. Only the first kKeptSpins free spins are kept; the count and the
// total cover all of them.
struct RecordedFeature {
    static constexpr int kKeptSpins = 50;
    enum class Stage : std::uint8_t {
        Running,    // free spins are still to play
        Completed,  // all played (or cut short at the credit's limit); the total waits
        Taken,      // the total was paid into the credit
    };

    Stage stage = Stage::Running;
    int awarded = 0;  // free spins awarded by the trigger and every re-trigger
    int played = 0;   // free spins decided so far
    // The triggering spin's win and every free spin's win: what the feature pays.
    std::int32_t total = 0;
    std::vector<RecordedSpin> spins;  // the first kKeptSpins free spins, in play order
    bool operator==(const RecordedFeature&) const = default;
};

// A gamble on a game's win, or on its feature's total once taken. The first kKeptGuesses
// guesses are kept, enough to double the smallest stake to the credit's limit; the count covers
// all of them.
struct RecordedGamble {
    static constexpr int kKeptGuesses = 32;
    enum class Outcome : std::uint8_t { Open, Collected, Lost };

    std::int32_t staked = 0;
    Outcome outcome = Outcome::Open;
    std::int32_t amount = 0;  // at risk while open, what was collected, 0 once lost
    std::int32_t guessCount = 0;
    std::vector<RecordedGuess> guesses;
    bool operator==(const RecordedGamble&) const = default;
};

// One paid game and everything that followed it, as the player can look it over later.
//
// The two credit figures tell this game's own story and nothing else:
// - creditBefore is the credit as the play button was pressed, with the bet still in it.
// - creditAfter is creditBefore less the bet, plus the spin's win once it settled, or for a
//   spin that started free spins the feature's total once it was taken (the free spins
//   themselves move no credit: their wins go into the total); a gamble then takes its stake
//   out and puts back what was collected, nothing when lost. It is what the game left in the
//   credit so far while it still goes on (reels turning, free spins to play, a gamble open).
// Money put in while the game ran is in neither figure: the difference between one game's
// creditAfter and the next one's creditBefore is exactly the money put in between.
struct RecordedGame {
    std::int64_t time = 0;  // seconds since the epoch, as given by the caller; 0 if unknown
    std::int32_t game = 0;  // the record's count of paid games with this one
    int lines = 0;
    int betPerLine = 0;
    std::int32_t creditBefore = 0;
    std::int32_t creditAfter = 0;
    RecordedSpin spin;  // the paid spin
    std::optional<RecordedFeature> feature;
    std::optional<RecordedGamble> gamble;

    std::int32_t totalBet() const { return lines * betPerLine; }
    bool operator==(const RecordedGame&) const = default;
};

// The last kGames paid games of the active player, oldest first.
class GameHistory {
public:
    static constexpr int kGames = 25;

    const std::deque<RecordedGame>& entries() const { return games_; }
    bool empty() const { return games_.empty(); }
    // Adds the newest game; the oldest one goes once kGames are kept.
    void add(RecordedGame game);
    RecordedGame* newest() { return games_.empty() ? nullptr : &games_.back(); }
    const RecordedGame* newest() const { return games_.empty() ? nullptr : &games_.back(); }
    void clear() { games_.clear(); }

    bool operator==(const GameHistory&) const = default;

private:
    std::deque<RecordedGame> games_;
};

// The spin the machine scored: its stops, its winning lines with their pays and its specials,
// from the records and the result it was paid by.
RecordedSpin recordedSpin(const SpinRecords& records, const SpinResult& result, int lines,
                          int betPerLine);

// The spin these stops make at these lines and bet per line, scored by the engine; nothing when
// a stop is off the strips or the lines or the bet are none a button plays.
std::optional<RecordedSpin> scoredSpin(const std::array<int, kReels>& stops, int lines,
                                       int betPerLine);

// Whether play could have left this game so, taking its spins as scored by the engine: the
// lines and bet a button plays, a feature only after three or more specials with as many spins
// as were awarded and a total of their wins, a gamble that stakes the game's win with guesses
// that were won up to the last one, and credit figures that add up as described above.
bool couldHaveBeenPlayed(const RecordedGame& game);

}  // namespace kestrel
