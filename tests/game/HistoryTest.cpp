#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "HistoryRun.h"
#include "MachineFixture.h"
#include "PayTable.h"
#include "Paylines.h"
#include "ReelStrips.h"

namespace kestrel {
namespace {

using test::kLosingStops;
using test::kThreeSpecials;
using test::kTwoSpecials;
using Stage = RecordedFeature::Stage;
using Outcome = RecordedGamble::Outcome;

// Scores the stops again straight from the strips and the pay table and compares every figure
// the history holds for the spin.
void expectScoredByTheEngine(const RecordedSpin& spin, int lines, int bet) {
    const SpinRecords records = test::windowAtStops(spin.stops);
    const SpinResult result = evaluate(records, lines, bet);
    std::vector<LineWin> wins;
    std::int64_t paid = scatterMultiplier(records.specialCount) * lines * bet;
    for (int line = 1; line <= lines; ++line) {
        if (const int count = result.winCount[line]; count > 0) {
            const Symbol first = stopSymbol(1, spin.stops[0], lineRow(line, 1));
            wins.push_back({line, count, lineMultiplier(first, count) * bet});
            paid += wins.back().pays;
        }
    }
    EXPECT_EQ(spin.lineWins, wins);
    EXPECT_EQ(spin.specials, records.specialCount);
    EXPECT_EQ(spin.scatterPays, scatterMultiplier(records.specialCount) * lines * bet);
    EXPECT_EQ(spin.pays, result.spinWin);
    EXPECT_EQ(paid, result.spinWin);
}

class History : public test::MachineFixture {};

TEST_F(History, EveryKindOfGameIsKeptAsPlayedAndScoresAgainThroughTheEngine) {
    const std::vector<test::SeenCredit> seen = test::playEveryKindOfGame(machine, random);
    const auto& games = machine.history().entries();
    ASSERT_EQ(games.size(), 5u);
    for (std::size_t i = 0; i < games.size(); ++i) {
        SCOPED_TRACE("game " + std::to_string(i + 1));
        const RecordedGame& game = games[i];
        EXPECT_EQ(game.game, int(i) + 1);
        EXPECT_EQ(game.time, i < 4 ? test::kFirstGameTime + 60 * int(i) : 0);
        EXPECT_EQ(game.creditBefore, seen[i].before);
        EXPECT_EQ(game.creditAfter, seen[i].after);
        expectScoredByTheEngine(game.spin, game.lines, game.betPerLine);
        if (game.feature) {
            for (const RecordedSpin& spin : game.feature->spins) {
                expectScoredByTheEngine(spin, game.lines, game.betPerLine);
            }
        }
        EXPECT_TRUE(couldHaveBeenPlayed(game));
    }

    EXPECT_EQ(games[0].lines, 10);
    EXPECT_EQ(games[0].spin.lineWins.size(), 2u);
    const RecordedGamble& collected = games[0].gamble.value();
    EXPECT_EQ(collected.outcome, Outcome::Collected);
    EXPECT_EQ(collected.amount, 8 * collected.staked);
    EXPECT_EQ(collected.staked, games[0].spin.pays);
    EXPECT_EQ(collected.guesses, (std::vector<RecordedGuess>{{Call::Red, 1}, {Call::Clubs, 2}}));

    EXPECT_EQ(games[1].spin.pays, 0);
    EXPECT_FALSE(games[1].gamble || games[1].feature);

    const RecordedGamble& lost = games[2].gamble.value();
    EXPECT_EQ(lost.outcome, Outcome::Lost);
    EXPECT_EQ(lost.amount, 0);
    EXPECT_EQ(lost.guesses, (std::vector<RecordedGuess>{{Call::Red, 4}}));

    // The re-trigger extends the same feature: 10 free spins, then 11 more.
    const RecordedFeature& feature = games[3].feature.value();
    EXPECT_EQ(feature.stage, Stage::Taken);
    EXPECT_EQ(feature.awarded, 21);
    EXPECT_EQ(feature.played, 21);
    ASSERT_EQ(feature.spins.size(), 21u);
    EXPECT_EQ(feature.spins[1].specials, 3);
    EXPECT_EQ(feature.total, games[3].spin.pays + feature.spins[0].pays + feature.spins[1].pays);
    EXPECT_EQ(games[3].gamble.value().staked, feature.total);
    EXPECT_EQ(games[3].gamble->amount, 2 * feature.total);
}

TEST_F(History, TheTwentySixthGamePushesOutTheFirst) {
    for (int i = 1; i <= GameHistory::kGames + 1; ++i) {
        spinAndSettle(kLosingStops);
    }
    const auto& games = machine.history().entries();
    ASSERT_EQ(games.size(), std::size_t(GameHistory::kGames));
    EXPECT_EQ(games.front().game, 2);
    EXPECT_EQ(games.back().game, GameHistory::kGames + 1);
}

// Far more free spins and guesses than are kept: the first ones are kept, the counts cover all.
TEST_F(History, ALongFeatureAndGambleKeepTheirFirstSpinsAndGuessesAndCountTheRest) {
    test::playLongFeatureAndGamble(machine, random);
    const RecordedGame& game = *machine.history().newest();
    const RecordedFeature& feature = game.feature.value();
    EXPECT_GT(feature.played, 2 * RecordedFeature::kKeptSpins);
    EXPECT_EQ(feature.awarded, feature.played);
    EXPECT_EQ(feature.spins.size(), std::size_t(RecordedFeature::kKeptSpins));
    EXPECT_EQ(game.gamble->staked, feature.total);
    EXPECT_EQ(game.gamble->guessCount, RecordedGamble::kKeptGuesses + 8);
    EXPECT_EQ(game.gamble->guesses.size(), std::size_t(RecordedGamble::kKeptGuesses));
    EXPECT_EQ(game.gamble->amount, machine.atRisk());
    ASSERT_TRUE(machine.collect());
    EXPECT_EQ(game.creditAfter, machine.player().bank);
    EXPECT_TRUE(couldHaveBeenPlayed(game));
}

TEST_F(History, ATimeIsTakenByOnePressAndASuitThatIsNoSuitDrawsNothing) {
    machine.setNextGameTime(42);
    spinAndSettle(kTwoSpecials);
    random.pushSpin(kLosingStops);
    machine.setNextGameTime(43);
    ASSERT_EQ(machine.play(7), PlayResult::Paid);  // a button that is none keeps the bet
    machine.setNextGameTime(44);
    EXPECT_EQ(machine.play(1), PlayResult::Busy);  // not settled yet: the press takes the time
    machine.settle();
    spinAndSettle(kTwoSpecials);
    const auto& games = machine.history().entries();
    EXPECT_EQ(games[0].time, 42);
    EXPECT_EQ(games[1].time, 43);
    EXPECT_EQ(games[2].time, 0);

    ASSERT_TRUE(machine.openGamble());
    EXPECT_EQ(machine.guessSuit(0).card, 0);
    EXPECT_EQ(machine.guessSuit(5).card, 0);
    EXPECT_TRUE(machine.gambleOpen());
    EXPECT_EQ(games[2].gamble->guessCount, 0);
}

TEST_F(History, ANewPlayerOrADeletedOneStartsWithNoHistory) {
    spinAndSettle(kTwoSpecials);
    ASSERT_FALSE(machine.history().empty());
    machine.clearStatistics();
    EXPECT_TRUE(machine.history().empty());
    ASSERT_TRUE(machine.insertNote());
    spinAndSettle(kTwoSpecials);
    ASSERT_FALSE(machine.history().empty());
    machine.switchPlayer(test::playerWithCredit(500));
    EXPECT_TRUE(machine.history().empty());
}

// A machine resumed with a history that is not the one saved with its snapshot (here: from one
// game earlier) keeps it as it is and records the next paid game as a new entry.
TEST_F(History, AResumedGameGoesOnInItsEntryOnlyWhenTheHistoryStandsAtIt) {
    spinAndSettle(kTwoSpecials);
    const GameHistory earlier = machine.history();
    random.pushSpin(kThreeSpecials);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    const PlayerRecord record = machine.player();
    const GameSnapshot snapshot = machine.snapshot();

    for (const bool matching : {true, false}) {
        SCOPED_TRACE(matching ? "the history saved with it" : "an older history");
        test::ScriptedRandom script;
        Machine resumed(script);
        const GameHistory installed = matching ? machine.history() : earlier;
        ASSERT_EQ(resumed.resume(record, snapshot, installed), Resumption::AsSaved);
        EXPECT_EQ(resumed.history(), installed);
        resumed.settle();
        script.pushSpin(kTwoSpecials);
        ASSERT_EQ(resumed.play(1), PlayResult::Free);
        resumed.settle();
        const RecordedGame& newest = *resumed.history().newest();
        if (matching) {
            EXPECT_EQ(newest.feature.value().played, 1);
            EXPECT_EQ(newest.feature->total, resumed.featureWin());
        } else {
            EXPECT_EQ(resumed.history(), earlier);
        }
        EXPECT_TRUE(couldHaveBeenPlayed(newest));
    }
}

struct Damage {
    const char* what;
    std::function<void(RecordedGame&)> apply;
};

// What no play records. Each is applied to every game of playEveryKindOfGame it concerns.
const std::vector<Damage> kDamages = {
    {"lines no button plays", [](RecordedGame& g) { g.lines = 7; }},
    {"a bet per line no button plays", [](RecordedGame& g) { g.betPerLine = 4; }},
    {"a credit before too small for the bet", [](RecordedGame& g) { g.creditBefore = 1; }},
    {"a credit after off by one", [](RecordedGame& g) { ++g.creditAfter; }},
    {"a feature after fewer than three specials",
     [](RecordedGame& g) {
         if (!g.feature) {
             g.feature = RecordedFeature{Stage::Completed, 0, 0, g.spin.pays, {}};
         }
     }},
    {"a feature spin more than were awarded",
     [](RecordedGame& g) {
         if (g.feature) {
             g.feature->spins.push_back(g.feature->spins.back());
             ++g.feature->played;
         }
     }},
    {"a feature total off by one",
     [](RecordedGame& g) {
         if (g.feature) {
             ++g.feature->total;
         }
     }},
    {"a feature spin fewer kept than played",
     [](RecordedGame& g) {
         if (g.feature) {
             g.feature->spins.pop_back();
         }
     }},
    {"a gamble staking more than the win",
     [](RecordedGame& g) {
         if (g.gamble) {
             ++g.gamble->staked;
         }
     }},
    {"a gamble on a feature total not taken",
     [](RecordedGame& g) {
         if (g.feature) {
             g.feature->stage = Stage::Completed;
         }
     }},
    {"a lost gamble with an amount left",
     [](RecordedGame& g) {
         if (g.gamble && g.gamble->outcome == Outcome::Lost) {
             g.gamble->amount = g.gamble->staked;
         }
     }},
    {"a collected gamble whose last guess was lost",
     [](RecordedGame& g) {
         if (g.gamble && g.gamble->outcome == Outcome::Collected) {
             g.gamble->guesses.back().card = g.gamble->guesses.back().card % 4 + 1;
         }
     }},
    {"a card that is no ace",
     [](RecordedGame& g) {
         if (g.gamble && !g.gamble->guesses.empty()) {
             g.gamble->guesses.front().card = 5;
         }
     }},
    // The credit after the game is made to agree, as a careful hand edit would.
    {"a collected amount no right guesses make",
     [](RecordedGame& g) {
         if (g.gamble && g.gamble->outcome == Outcome::Collected) {
             g.creditAfter += g.gamble->staked * 3 - g.gamble->amount;
             g.gamble->amount = g.gamble->staked * 3;
         }
     }},
    {"a collected amount more right guesses would make",
     [](RecordedGame& g) {
         if (g.gamble && g.gamble->outcome == Outcome::Collected) {
             g.creditAfter += g.gamble->amount * 7;
             g.gamble->amount *= 8;
         }
     }},
    {"more guesses than were counted",
     [](RecordedGame& g) {
         if (g.gamble) {
             g.gamble->guesses.push_back(g.gamble->guesses.front());
         }
     }},
};

TEST_F(History, GamesNoPlayRecordsAreTold) {
    test::playEveryKindOfGame(machine, random);
    for (const RecordedGame& played : machine.history().entries()) {
        for (const Damage& damage : kDamages) {
            RecordedGame game = played;
            damage.apply(game);
            if (game != played) {
                EXPECT_FALSE(couldHaveBeenPlayed(game))
                    << "game " << played.game << ": " << damage.what;
            }
        }
    }
}

}  // namespace
}  // namespace kestrel
