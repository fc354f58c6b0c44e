#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CreditLimit.h"
#include "MachineFixture.h"
#include "PowerCut.h"

namespace kestrel {
namespace {

using test::kLosingStops;
using test::kThreeSpecials;

// A machine stopped at a moment of play, as the snapshot it saved there.
struct Moment {
    std::string name;
    PlayerRecord record;
    GameSnapshot snapshot;
};

// The moments snapshots are damaged from: each holds something the machine owes.
std::vector<Moment> momentsOfPlay() {
    std::vector<Moment> moments;
    test::ScriptedRandom random;
    Machine machine(random);
    machine.switchPlayer(test::playerWithCredit(10000));
    const auto keep = [&](const char* name) {
        moments.push_back({name, machine.player(), machine.snapshot()});
    };
    const auto play = [&](const std::array<int, kReels>& stops) {
        random.pushSpin(stops);
        machine.play(1);
    };
    machine.setLinesPlayed(10);
    play({2, 3, 1, 1, 1});  // lines 3 and 7 win
    keep("paid win decided");
    machine.settle();
    keep("win offered to the gamble");
    machine.openGamble();
    random.push({1});
    machine.guessColour(CardColour::Red);
    keep("gamble doubled once");
    machine.collect();
    play(kThreeSpecials);
    machine.settle();
    play({1, 1, 2, 1, 1});
    keep("free spin win decided");
    machine.settle();
    for (int i = 0; i < 9; ++i) {
        play(kLosingStops);
        machine.settle();
    }
    keep("feature completed");
    machine.takeWin();
    machine.pressCoins();
    keep("feature total taken, coins to drop");
    EXPECT_TRUE(random.exhausted());
    return moments;
}

struct Damage {
    const char* what;
    std::function<void(PlayerRecord&, GameSnapshot&)> apply;
};

// What a damaged or edited file can hold that no play leaves behind. Each is refused whole.
const std::vector<Damage> kDamages = {
    {"the spin's pay off by one",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.lastSpin) {
             ++s.lastSpin->pays;
         }
     }},
    {"the spin's pay one short",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.lastSpin) {
             --s.lastSpin->pays;
         }
     }},
    {"a stop past the strip",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.lastSpin) {
             s.lastSpin->stops[4] = kStops + 1;
         }
     }},
    {"the spin on lines that are no line count",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.lastSpin) {
             s.lastSpin->lines = 7;
         }
     }},
    {"a bet per line no button plays", [](PlayerRecord&, GameSnapshot& s) { s.betPerLine = 4; }},
    {"lines no button plays", [](PlayerRecord&, GameSnapshot& s) { s.linesPlayed = 0; }},
    {"a phase that does not exist",
     [](PlayerRecord&, GameSnapshot& s) { s.phase = static_cast<MachinePhase>(7); }},
    {"spinning without a spin",
     [](PlayerRecord&, GameSnapshot& s) {
         s.phase = MachinePhase::Spinning;
         s.lastSpin.reset();
     }},
    {"the lines changed under a decided spin or a feature",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.phase == MachinePhase::Spinning || s.featureState != FreeSpins::State::None) {
             s.linesPlayed = s.linesPlayed == 25 ? 1 : 25;
         } else {
             s.phase = MachinePhase::Spinning;  // and a settled spin decided again
         }
     }},
    {"a free spin outside a feature",
     [](PlayerRecord&, GameSnapshot& s) {
         s.lastSpin.value().free = true;
         s.phase = MachinePhase::Spinning;
         s.featureState = FreeSpins::State::None;
         s.awarded = s.played = s.featureWin = 0;
     }},
    {"a feature that played more than it was awarded",
     [](PlayerRecord&, GameSnapshot& s) {
         s.featureState = FreeSpins::State::Running;
         s.played = s.awarded + 1;
     }},
    {"a running feature that has not played its trigger",
     [](PlayerRecord&, GameSnapshot& s) {
         s.featureState = FreeSpins::State::Running;
         s.awarded = std::max(s.awarded, 11);
         s.played = 0;
     }},
    {"a feature total below the free spin it holds",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.featureState != FreeSpins::State::None) {
             s.featureWin = s.lastSpin.value().pays - 1;
         } else {
             s.featureWin = 1;
         }
     }},
    {"more coins than a press drops", [](PlayerRecord&, GameSnapshot& s) { s.coinsPending = 15; }},
    {"coins below none", [](PlayerRecord&, GameSnapshot& s) { s.coinsPending = -1; }},
    {"an amount at risk the guesses cannot have made",
     [](PlayerRecord&, GameSnapshot& s) {
         s.phase = MachinePhase::Gamble;
         s.staked = 100;
         s.atRisk = 300;
     }},
    {"an amount at risk that is no doubling of the stake",
     [](PlayerRecord&, GameSnapshot& s) {
         s.phase = MachinePhase::Gamble;
         s.staked = 100;
         s.atRisk = 250;
         s.cards = {};
         s.cards.add(1);
     }},
    {"a gamble doubled with no card drawn",
     [](PlayerRecord&, GameSnapshot& s) {
         s.phase = MachinePhase::Gamble;
         s.staked = 100;
         s.atRisk = 200;
         s.cards = {};
     }},
    {"a card that is no ace",
     [](PlayerRecord&, GameSnapshot& s) {
         s.cards.count = std::max(s.cards.count, 1);
         s.cards.last[0] = 5;
     }},
    {"an amount at risk with no gamble open",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.phase == MachinePhase::Gamble) {
             s.phase = MachinePhase::Idle;
         } else {
             s.atRisk = 50;
         }
     }},
    {"a gamble open inside a feature",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.phase == MachinePhase::Gamble) {
             s.featureState = FreeSpins::State::Running;
             s.awarded = 11;
             s.played = 1;
         }
     }},
    {"a gamble open with the offer still standing",
     [](PlayerRecord&, GameSnapshot& s) {
         if (s.phase == MachinePhase::Gamble) {
             s.gambleOffered = true;
         }
     }},
    {"a gamble offered with nothing to stake",
     [](PlayerRecord&, GameSnapshot& s) {
         s.gambleOffered = true;
         s.heldFeatureWin = 0;
         s.lastSpin.reset();
     }},
    {"a held total beside a running feature",
     [](PlayerRecord&, GameSnapshot& s) {
         s.heldFeatureWin = 100;
         s.featureState = FreeSpins::State::Running;
         s.awarded = 11;
         s.played = 1;
     }},
    {"a credit edited so full that what is owed no longer fits",
     [](PlayerRecord& p, GameSnapshot& s) {
         p.bank = kCreditLimit - (s.phase == MachinePhase::Idle && s.featureWin == 0 ? 0 : 1);
         if (s.phase == MachinePhase::Idle && s.featureWin == 0) {
             s.featureState = FreeSpins::State::Completed;  // owes a feature total
             s.awarded = s.played = 11;
             s.featureWin = 1;
             s.heldFeatureWin = 0;
             s.gambleOffered = false;
         }
     }},
};

// A refused snapshot leaves the record as read with nothing in progress: no decided spin, no
// feature, no gamble, no coins, the lines and bet as they were. Nothing is paid or charged.
TEST(Resume, SnapshotsNoPlayLeavesAreRefusedWholeAndTheRecordStands) {
    for (const Moment& moment : momentsOfPlay()) {
        for (const Damage& damage : kDamages) {
            SCOPED_TRACE(moment.name + ": " + damage.what);
            PlayerRecord record = moment.record;
            GameSnapshot snapshot = moment.snapshot;
            damage.apply(record, snapshot);
            if (snapshot == moment.snapshot && record == moment.record) {
                continue;  // this damage does not apply to this moment
            }
            test::ScriptedRandom random;
            Machine machine(random);
            ASSERT_TRUE(machine.setLinesPlayed(5));
            EXPECT_EQ(machine.resume(record, snapshot), Resumption::Refused);
            EXPECT_EQ(machine.player(), record);
            EXPECT_FALSE(machine.snapshot().inProgress());
            EXPECT_EQ(machine.snapshot().lastSpin, std::nullopt);
            EXPECT_FALSE(machine.canGamble());
            EXPECT_EQ(machine.linesPlayed(), 5);
        }
    }
}

TEST(Resume, NoSnapshotLeavesTheMachineAtRestWithTheRecord) {
    test::ScriptedRandom random;
    Machine machine(random);
    random.pushSpin(kThreeSpecials);
    machine.switchPlayer(test::playerWithCredit(1000));
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    const PlayerRecord record = test::playerWithCredit(500);
    EXPECT_EQ(machine.resume(record, std::nullopt), Resumption::AtRest);
    EXPECT_EQ(machine.phase(), Machine::Phase::Idle);
    EXPECT_EQ(machine.player().bank, 500);
    EXPECT_EQ(machine.settle().credited, 0);  // the other player's decided spin is gone
}

// Keeps the record, snapshot and history as the engine hands them over, with no store between:
// the engine's own half of surviving a power cut.
class HeldByHand {
public:
    bool save(const Machine& machine) {
        held_ = test::stateOf(machine);
        return true;
    }
    void powerCut() {}
    Resumption resumeInto(Machine& machine) {
        return machine.resume(held_.record, held_.snapshot, held_.history);
    }

private:
    test::MachineState held_;
};

// The history too ends as if never cut: the game in play goes on being recorded in its entry.
TEST(PowerCut, EveryStepOfPlayResumesFromTheSnapshotAsIfNeverCut) {
    test::cutThePowerAtEveryStep([] { return std::make_unique<HeldByHand>(); });
}

}  // namespace
}  // namespace kestrel
