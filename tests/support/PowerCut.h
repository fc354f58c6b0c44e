#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "Machine.h"
#include "Players.h"
#include "ScriptedRandom.h"
#include "Windows.h"

namespace kestrel::test {

// One thing the player does, with the draws the machine makes for it. A step is saved right
// after it, as the window saves after every step of play.
struct PlayStep {
    std::string kind;
    std::vector<int> draws;
    std::function<void(Machine&)> act;
};

// What a run leaves: the record and everything beside it, the history of its games included.
struct MachineState {
    PlayerRecord record;
    GameSnapshot snapshot;
    GameHistory history;
    bool operator==(const MachineState&) const = default;
};

inline MachineState stateOf(const Machine& machine) {
    return {machine.player(), machine.snapshot(), machine.history()};
}

inline void PrintTo(const MachineState& state, std::ostream* out) {
    const PlayerRecord& p = state.record;
    const GameSnapshot& s = state.snapshot;
    *out << "bank " << p.bank << ", total " << p.total << ", wager " << p.wager << ", games "
         << p.games << ", invested " << p.amountinvested << ", features " << p.howmanyspins
         << "; phase " << int(s.phase) << ", feature " << int(s.featureState) << ' ' << s.played
         << '/' << s.awarded << " total " << s.featureWin << ", at risk " << s.atRisk << ", held "
         << s.heldFeatureWin << ", offered " << s.gambleOffered << ", coins " << s.coinsPending
         << ", spin " << (s.lastSpin ? s.lastSpin->pays : -1) << "; "
         << state.history.entries().size() << " games in the history";
    if (const RecordedGame* newest = state.history.newest()) {
        *out << ", the newest credit " << newest->creditBefore << " to " << newest->creditAfter
             << (newest->feature ? ", a feature" : "") << (newest->gamble ? ", a gamble" : "");
    }
}

// A scripted evening covering every kind of step: money in, paid spins, a win gambled and
// collected, a feature from trigger to take-win with a win and coins dropping inside it, its
// total gambled and lost, and a gamble left open at the end.
inline std::vector<PlayStep> eveningOfPlay() {
    const auto spin = [](PlayResult expected) {
        return [expected](Machine& m) { ASSERT_EQ(m.play(1), expected); };
    };
    const auto draws = [](const std::array<int, kReels>& stops) {
        return std::vector<int>{stops[0], stops[1], stops[2], stops[3], stops[4], 1};
    };
    const std::array<int, kReels> twoSpecials = {1, 1, 2, 1, 1};  // pays the total bet
    const auto settle = [](Machine& m) { m.settle(); };
    const auto drop = [](Machine& m) { ASSERT_TRUE(m.dropCoin()); };
    const auto open = [](Machine& m) { ASSERT_TRUE(m.openGamble()); };
    std::vector<PlayStep> steps = {
        {"note", {}, [](Machine& m) { ASSERT_TRUE(m.insertNote()); }},
        {"coin press", {}, [](Machine& m) { ASSERT_TRUE(m.pressCoins()); }},
        {"coin", {}, drop},
        {"paid spin", draws(kLosingStops), spin(PlayResult::Paid)},
        {"coin", {}, drop},  // while the reels turn
        {"settle", {}, settle},
        {"paid spin", draws(twoSpecials), spin(PlayResult::Paid)},
        {"settle", {}, settle},
        {"gamble open", {}, open},
        {"guess", {1}, [](Machine& m) { ASSERT_TRUE(m.guessColour(CardColour::Red).won); }},
        {"coin", {}, drop},  // inside the gamble
        {"guess", {2}, [](Machine& m) { ASSERT_TRUE(m.guessSuit(2).won); }},
        {"collect", {}, [](Machine& m) { ASSERT_TRUE(m.collect()); }},
        {"trigger", draws(kThreeSpecials), spin(PlayResult::Paid)},
        {"settle", {}, [](Machine& m) { ASSERT_TRUE(m.settle().firstTrigger); }},
    };
    for (int free = 1; free <= 10; ++free) {
        const std::array<int, kReels>& stops = free == 2 ? twoSpecials : kLosingStops;
        steps.push_back({"free spin", draws(stops), spin(PlayResult::Free)});
        steps.push_back({"settle", {}, settle});
        if (free == 5) {
            steps.push_back({"coin", {}, drop});  // between free spins
        }
    }
    steps.insert(
        steps.end(),
        {
            {"take win", {}, [](Machine& m) { ASSERT_TRUE(m.takeWin()); }},
            {"gamble open", {}, open},
            {"guess", {4}, [](Machine& m) { ASSERT_FALSE(m.guessColour(CardColour::Red).won); }},
            {"note", {}, [](Machine& m) { ASSERT_TRUE(m.insertNote()); }},
            {"paid spin", draws(twoSpecials), spin(PlayResult::Paid)},
            {"settle", {}, settle},
            {"gamble open", {}, open},
            {"guess", {3}, [](Machine& m) { ASSERT_TRUE(m.guessColour(CardColour::Red).won); }},
        });
    return steps;
}

// Where a run saves and from where a fresh machine resumes. A Storage has
//   bool save(const Machine&)        the durable write after a step
//   void powerCut()                  loses whatever was not made durable
//   Resumption resumeInto(Machine&)  what the program does when it starts again
//
// Plays the steps from `start`, saving after each, with the power cut right before or right
// after the save of step `cut`. A fresh machine then resumes from the storage and the player
// goes on: with the interrupted step again when its save was lost. Returns the end state.
template <typename Storage>
MachineState playWithPowerCut(Storage& storage, const PlayerRecord& start,
                              const std::vector<PlayStep>& steps, std::size_t cut,
                              bool cutAfterSave) {
    MachineState saved;
    {
        ScriptedRandom random;
        Machine machine(random);
        machine.switchPlayer(start);
        EXPECT_TRUE(storage.save(machine));
        saved = stateOf(machine);
        for (std::size_t i = 0; i <= cut && i < steps.size(); ++i) {
            for (const int draw : steps[i].draws) {
                random.push({draw});
            }
            steps[i].act(machine);
            if (i < cut || cutAfterSave) {
                EXPECT_TRUE(storage.save(machine));
                saved = stateOf(machine);
            }
        }
    }
    storage.powerCut();
    ScriptedRandom random;
    Machine machine(random);
    EXPECT_EQ(storage.resumeInto(machine), Resumption::AsSaved);
    // Exactly where the last save left it: a decided spin on its stops, a feature, a gamble.
    EXPECT_EQ(stateOf(machine), saved);
    for (std::size_t i = cutAfterSave ? cut + 1 : cut; i < steps.size(); ++i) {
        for (const int draw : steps[i].draws) {
            random.push({draw});
        }
        steps[i].act(machine);
        EXPECT_TRUE(storage.save(machine));
    }
    // Every scripted draw was made once: a decided spin or card was never drawn again.
    EXPECT_TRUE(random.exhausted());
    return stateOf(machine);
}

// Cuts the power before and after the save of every step (or of the first step of each kind
// when `everyKind` is set), each in a fresh storage from `makeStorage`, and checks that the
// evening ends with exactly the credit, statistics and state of one never interrupted.
template <typename MakeStorage>
void cutThePowerAtEveryStep(MakeStorage&& makeStorage, bool onlyFirstOfEachKind = false) {
    const std::vector<PlayStep> steps = eveningOfPlay();
    const PlayerRecord start = playerWithCredit(10000);
    auto never = makeStorage();
    const MachineState uninterrupted = playWithPowerCut(*never, start, steps, steps.size(), true);
    ASSERT_FALSE(::testing::Test::HasFailure()) << "the evening does not play as scripted";
    std::set<std::string> kindsCut;
    for (std::size_t cut = 0; cut < steps.size(); ++cut) {
        if (onlyFirstOfEachKind && !kindsCut.insert(steps[cut].kind).second) {
            continue;
        }
        for (const bool afterSave : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << "power cut " << (afterSave ? "after" : "before") << " the save of step "
                         << cut << " (" << steps[cut].kind << ")");
            auto storage = makeStorage();
            EXPECT_EQ(playWithPowerCut(*storage, start, steps, cut, afterSave), uninterrupted);
            if (::testing::Test::HasFailure()) {
                return;  // one broken cut tells the story; the rest would repeat it
            }
        }
    }
}

}  // namespace kestrel::test
