#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Credits.h"
#include "Machine.h"
#include "ScriptedRandom.h"
#include "Windows.h"

namespace kestrel::test {

// The credit seen on the meter as a game started and once it was over.
struct SeenCredit {
    std::int32_t before = 0;
    std::int32_t after = 0;
};

inline constexpr std::int64_t kFirstGameTime = 1'700'000'000;

// Plays five paid games that leave every kind of history entry, each but the last with its time
// set (kFirstGameTime, then a minute apart):
//  1. two line wins on 10 lines, gambled: a colour and a suit won, then collected;
//  2. a loss on 25 lines;
//  3. two specials paying the total bet, gambled and lost on the first card;
//  4. three specials: a feature with a win and a re-trigger among its 21 free spins, its total
//     taken and gambled: one colour won, then collected;
//  5. the two line wins again, with a note put in while the reels turn.
// Returns the credit the meter showed around each game.
inline std::vector<SeenCredit> playEveryKindOfGame(Machine& machine, ScriptedRandom& random) {
    std::vector<SeenCredit> seen;
    const auto paid = [&](const std::array<int, kReels>& stops, int game) {
        if (game < 5) {
            machine.setNextGameTime(kFirstGameTime + 60 * (game - 1));
        }
        seen.push_back({machine.player().bank, 0});
        random.pushSpin(stops);
        EXPECT_EQ(machine.play(1), PlayResult::Paid) << "game " << game;
    };
    const auto over = [&] { seen.back().after = machine.player().bank; };

    EXPECT_TRUE(machine.setLinesPlayed(10));
    paid(kTwoLineWin, 1);
    machine.settle();
    EXPECT_TRUE(machine.openGamble());
    random.push({1, 2});
    EXPECT_TRUE(machine.guessColour(CardColour::Red).won);
    EXPECT_TRUE(machine.guessSuit(2).won);
    EXPECT_TRUE(machine.collect());
    over();

    EXPECT_TRUE(machine.setLinesPlayed(25));
    paid(kLosingStops, 2);
    machine.settle();
    over();

    paid(kTwoSpecials, 3);
    machine.settle();
    EXPECT_TRUE(machine.openGamble());
    random.push({4});
    EXPECT_FALSE(machine.guessColour(CardColour::Red).won);
    over();

    paid(kThreeSpecials, 4);
    EXPECT_TRUE(machine.settle().firstTrigger);
    for (int free = 1; machine.freeSpinsActive(); ++free) {
        random.pushSpin(free == 1 ? kTwoSpecials : free == 2 ? kThreeSpecials : kLosingStops);
        EXPECT_EQ(machine.play(1), PlayResult::Free);
        machine.settle();
    }
    EXPECT_TRUE(machine.takeWin());
    EXPECT_TRUE(machine.openGamble());
    random.push({3});
    EXPECT_TRUE(machine.guessColour(CardColour::Red).won);
    EXPECT_TRUE(machine.collect());
    over();

    EXPECT_TRUE(machine.setLinesPlayed(10));
    paid(kTwoLineWin, 5);
    EXPECT_TRUE(machine.insertNote());
    machine.settle();
    over();
    seen.back().after -= kNoteCredits;  // the note is no part of the game

    EXPECT_TRUE(random.exhausted());
    return seen;
}

// A feature re-triggered until it has played far more free spins than are kept, its total taken
// and gambled: more colours won than guesses are kept, the amount held at the credit's limit,
// the gamble left open.
inline void playLongFeatureAndGamble(Machine& machine, ScriptedRandom& random) {
    random.pushSpin(kThreeSpecials);
    EXPECT_EQ(machine.play(1), PlayResult::Paid);
    machine.settle();
    for (int played = 1; machine.freeSpinsActive(); ++played) {
        const bool retrigger = played % 8 == 0 && played < 120;
        random.pushSpin(retrigger ? kThreeSpecials : played % 3 == 0 ? kTwoSpecials : kLosingStops);
        EXPECT_EQ(machine.play(1), PlayResult::Free);
        machine.settle();
    }
    EXPECT_TRUE(machine.takeWin());
    EXPECT_TRUE(machine.openGamble());
    for (int i = 0; i < RecordedGamble::kKeptGuesses + 8; ++i) {
        random.push({2});
        EXPECT_TRUE(machine.guessColour(CardColour::Black).won);
    }
}

}  // namespace kestrel::test
