#include <gtest/gtest.h>

#include <QRegularExpression>

#include <deque>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "HistoryRun.h"
#include "MemorySettingsStore.h"
#include "PlayerRecordStore.h"
#include "Players.h"
#include "QSettingsStore.h"
#include "QStringPrinter.h"
#include "SavedHistory.h"
#include "StoreFileFixture.h"

namespace kestrel {
namespace {

using test::kLosingStops;

// A machine whose history holds every kind of game, with the last game's win in an open gamble.
class PlayedMachine {
public:
    PlayedMachine() {
        machine.switchPlayer(test::playerWithCredit(10000));
        test::playEveryKindOfGame(machine, random);
        EXPECT_TRUE(machine.openGamble());
    }
    test::ScriptedRandom random;
    Machine machine{random};
};

TEST(HistoryText, EveryKindOfGameReadsBackAsWritten) {
    PlayedMachine played;
    const auto& games = played.machine.history().entries();
    for (const RecordedGame& game : games) {
        EXPECT_EQ(parseRecordedGame(formatRecordedGame(game)), game) << game.game;
    }
    // The layout older files hold, word for word: game 1 on 10 lines gambled and collected,
    // game 4's feature and gamble on its total.
    EXPECT_EQ(formatRecordedGame(games[0]),
              "1700000000 1 10 1 10000 10086 2.3.1.1.1:12 G collected 12 96 2 R1 C2");
    const QString feature = formatRecordedGame(games[3]);
    EXPECT_TRUE(
        feature.startsWith("1700000180 4 25 1 10036 10561 1.1.1.1.1:125 F taken 21 21 "
                           "275 1.1.2.1.1:25 1.1.1.1.1:125 2.6.2.1.1:0 "))
        << feature.toStdString();
    EXPECT_TRUE(feature.endsWith(" G collected 275 550 1 R3")) << feature.toStdString();
}

// A reel's last stop shows the last three places of its strip; it reads back as that stop. Features
// and gambles far past what is kept read back with their counts.
TEST(HistoryText, TheLastStopsAndBoundedFeaturesAndGamblesReadBackAsWritten) {
    test::ScriptedRandom random;
    Machine machine(random);
    machine.switchPlayer(test::playerWithCredit(10000));
    constexpr std::array<int, kReels> kLastStops = {kStops, kStops, kStops, kStops, kStops};
    random.pushSpin(kLastStops);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    machine.settle();
    const RecordedGame& atTheEnds = *machine.history().newest();
    ASSERT_EQ(atTheEnds.spin.stops, kLastStops);
    EXPECT_EQ(parseRecordedGame(formatRecordedGame(atTheEnds)), atTheEnds);

    test::playLongFeatureAndGamble(machine, random);
    const RecordedGame& bounded = *machine.history().newest();
    ASSERT_GT(bounded.gamble->guessCount, RecordedGamble::kKeptGuesses);
    EXPECT_EQ(parseRecordedGame(formatRecordedGame(bounded)), bounded);
}

// Every number at its widest, every free spin and guess kept: one line of the worst case, as the
// bound in SavedHistory.h says.
TEST(HistoryText, TheWidestGameStaysWithinTheStatedBound) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    RecordedGame game;
    game.time = std::numeric_limits<std::int64_t>::min();
    game.game = game.creditBefore = game.creditAfter = kMax;
    game.lines = 25;
    game.betPerLine = 20;
    game.spin.stops = {22, 22, 22, 22, 22};
    game.spin.pays = 760000;  // the largest spin win at 25 lines and 20 a line
    game.feature = RecordedFeature{RecordedFeature::Stage::Completed, 32766, kMax, kMax,
                                   std::vector(RecordedFeature::kKeptSpins, game.spin)};
    game.gamble = RecordedGamble{kMax, RecordedGamble::Outcome::Collected, kMax, kMax,
                                 std::vector(RecordedGamble::kKeptGuesses, RecordedGuess{})};
    const qsizetype line = QString(historyKey(0) + u'=' + formatRecordedGame(game) + u'\n').size();
    EXPECT_LE(line, 1400);
    const qsizetype slot = GameHistory::kGames * line + 32;  // with "[history1]" and "version"
    EXPECT_LE(slot, 35000);
    EXPECT_LE(PlayerRecordStore::kSlots * slot, QSettingsStore::kSizeLimit / 5);
}

class SavedHistory : public ::testing::Test {
protected:
    SavedHistory() { EXPECT_TRUE(records.save(played.machine)); }

    SavedGame readBack() { return PlayerRecordStore(memory).readSaved(PlayerRecord{}); }

    PlayedMachine played;
    test::MemorySettingsStore memory;
    PlayerRecordStore records{memory};
};

struct Damage {
    const char* what;
    std::function<QString(const QString&)> apply;
};

// The text with the first match of the pattern replaced; \\1 and \\2 in `with` stand for the
// match's groups.
QString replacedOnce(const QString& text, const QString& pattern, QString with) {
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    if (!match.hasMatch()) {
        return text;
    }
    with.replace("\\1", match.captured(1)).replace("\\2", match.captured(2));
    return QString(text).replace(match.capturedStart(), match.capturedLength(), with);
}

// What a damaged or hand-edited line can hold.
const std::vector<Damage> kDamages = {
    {"cut in half", [](const QString& t) { return t.left(t.size() / 2); }},
    {"garbage", [](const QString&) { return QStringLiteral("\x01\x02 three scatters!"); }},
    {"a word more", [](const QString& t) { return t + " 7"; }},
    {"the paid spin's pay raised",
     [](const QString& t) { return replacedOnce(t, R"(:(\d+))", ":999"); }},
    {"a stop off the strip", [](const QString& t) { return replacedOnce(t, R"( \d+\.)", " 23."); }},
    {"lines no button plays",
     [](const QString& t) { return replacedOnce(t, R"(^(\S+ \S+) \d+ )", "\\1 7 "); }},
    {"a credit after edited",
     [](const QString& t) { return replacedOnce(t, R"(^((\S+ ){5})\d+)", "\\199999"); }},
    {"more free spins than it says it played",
     [](const QString& t) { return replacedOnce(t, R"( F (\S+) (\d+) \d+ )", " F \\1 \\2 20 "); }},
    {"a guess no player can call",
     [](const QString& t) { return replacedOnce(t, R"( R(\d))", " X\\1"); }},
    // A lost gamble's last guess fits any call, so only its letter can give it away.
    {"the losing call made with a letter beyond Latin-1",
     [](const QString& t) {
         return replacedOnce(t, R"(( G lost .*) [RBHCDS](\d)$)", "\\1 \u0100\\2");
     }},
    {"a game number past the record's count of games",
     [](const QString& t) { return replacedOnce(t, R"(^(\S+) \d+ )", "\\1 99999 "); }},
    {"a game number no play gives",
     [](const QString& t) { return replacedOnce(t, R"(^(\S+) \d+ )", "\\1 -3 "); }},
};

// A damaged line costs that game, nothing else: the record, the snapshot and the other games
// read exactly as saved.
TEST_F(SavedHistory, ADamagedGameIsSkippedAndTheRecordSnapshotAndOtherGamesStand) {
    const GameHistory& saved = played.machine.history();
    std::set<std::string> applied;
    for (int place = 0; place < std::ssize(saved.entries()); ++place) {
        for (const Damage& damage : kDamages) {
            const QString text = memory.value("history1", historyKey(place));
            const QString damaged = damage.apply(text);
            if (damaged == text) {
                continue;  // this damage does not apply to this game
            }
            applied.insert(damage.what);
            SCOPED_TRACE(::testing::Message() << "game " << place + 1 << ", " << damage.what << ": "
                                              << damaged.toStdString());
            test::MemorySettingsStore edited = memory;
            edited.setValue("history1", historyKey(place), damaged);
            const SavedGame read = PlayerRecordStore(edited).readSaved(PlayerRecord{});
            EXPECT_EQ(read.record, played.machine.player());
            EXPECT_EQ(read.snapshot, played.machine.snapshot());
            EXPECT_FALSE(read.snapshotRefused);
            EXPECT_EQ(read.historySkipped, 1);
            GameHistory others;
            for (int i = 0; i < std::ssize(saved.entries()); ++i) {
                if (i != place) {
                    others.add(saved.entries()[i]);
                }
            }
            EXPECT_EQ(read.history, others);
        }
    }
    EXPECT_EQ(applied.size(), kDamages.size());
}

// A line copied or moved to another place reads as a game, but not one play put there: the games
// kept read in the order they were played, each once.
TEST_F(SavedHistory, AGameCopiedOrMovedOutOfItsPlaceIsSkipped) {
    const std::deque<RecordedGame>& saved = played.machine.history().entries();
    const int last = static_cast<int>(saved.size()) - 1;
    ASSERT_GE(last, 2);
    const auto line = [&](int place) { return memory.value("history1", historyKey(place)); };
    const auto readWith = [&](std::vector<std::pair<int, QString>> lines) {
        test::MemorySettingsStore edited = memory;
        for (const auto& [place, text] : lines) {
            edited.setValue("history1", historyKey(place), text);
        }
        return PlayerRecordStore(edited).readSaved(PlayerRecord{});
    };
    const auto without = [&](int place) {
        GameHistory others;
        for (int i = 0; i <= last; ++i) {
            if (i != place) {
                others.add(saved[i]);
            }
        }
        return others;
    };

    SavedGame read = readWith({{last - 1, line(last)}});  // the newest game twice
    EXPECT_EQ(read.historySkipped, 1);
    EXPECT_EQ(read.history, without(last - 1));
    EXPECT_EQ(read.record, played.machine.player());

    read = readWith({{0, line(1)}, {1, line(0)}});  // the two oldest swapped
    EXPECT_EQ(read.historySkipped, 1);
    EXPECT_EQ(read.history, without(0));

    // One game's number damaged to a later game's, still within the record's count: that game
    // is the one out of order, not every game after it.
    for (int place = 0; place < last; ++place) {
        SCOPED_TRACE(::testing::Message() << "game " << place + 1);
        const QString renumbered = line(place).section(u' ', 0, 0) + u' ' +
                                   QString::number(saved[last].game) + u' ' +
                                   line(place).section(u' ', 2);
        read = readWith({{place, renumbered}});
        EXPECT_EQ(read.historySkipped, 1);
        EXPECT_EQ(read.history, without(place));
        EXPECT_EQ(read.record, played.machine.player());
    }
}

TEST_F(SavedHistory, AnotherVersionIsSkippedWholeAndKeysPastTheLastPlaceAreNotRead) {
    test::MemorySettingsStore edited = memory;
    for (int place = GameHistory::kGames; place < GameHistory::kGames + 5; ++place) {
        edited.setValue("history1", historyKey(place), memory.value("history1", historyKey(0)));
    }
    SavedGame read = PlayerRecordStore(edited).readSaved(PlayerRecord{});
    EXPECT_EQ(read.history, played.machine.history());
    EXPECT_EQ(read.historySkipped, 0);

    edited.setValue("history1", "version", "2");
    read = PlayerRecordStore(edited).readSaved(PlayerRecord{});
    EXPECT_TRUE(read.history.empty());
    EXPECT_EQ(read.historySkipped, 5);
    EXPECT_EQ(read.record, played.machine.player());
    EXPECT_EQ(read.snapshot, played.machine.snapshot());
}

// Once the history is full every save moves each game up a place: all the places are written,
// the newest game's too, and the game pushed out is gone from the file.
TEST_F(SavedHistory, AFullHistoryReadsBackWholeAfterEveryGame) {
    Machine& machine = played.machine;
    machine.collect();
    for (int game = 0; game < GameHistory::kGames + 2; ++game) {
        played.random.pushSpin(kLosingStops);
        ASSERT_EQ(machine.play(1), PlayResult::Paid);
        machine.settle();
        ASSERT_TRUE(records.save(machine));
        const SavedGame read = readBack();
        EXPECT_EQ(read.history, machine.history()) << "after game " << machine.player().games;
        EXPECT_EQ(read.historySkipped, 0) << "after game " << machine.player().games;
    }
    EXPECT_EQ(std::ssize(machine.history().entries()), GameHistory::kGames);
}

// A free spin is saved as it is decided, before its reels turn; the spins a re-trigger among its
// specials adds are booked only as it settles. A restart in between finds the game that started
// the feature in the history, and the rest of the feature goes on in its entry.
TEST_F(SavedHistory, AGameSavedWhileARetriggeringFreeSpinTurnsComesBackAndGoesOn) {
    Machine& machine = played.machine;
    test::ScriptedRandom& random = played.random;
    ASSERT_TRUE(machine.collect());
    random.pushSpin(test::kThreeSpecials);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    ASSERT_TRUE(machine.settle().firstTrigger);
    random.pushSpin(test::kThreeSpecials);
    ASSERT_EQ(machine.play(1), PlayResult::Free);
    ASSERT_TRUE(records.save(machine));

    const SavedGame read = readBack();
    EXPECT_EQ(read.history, machine.history());
    EXPECT_EQ(read.historySkipped, 0);

    test::ScriptedRandom script;
    Machine resumed(script);
    ASSERT_EQ(takeUp(resumed, read, 25, 1), TakenUp::InProgress);
    EXPECT_TRUE(resumed.settle().triggered);
    script.pushSpin(kLosingStops);
    ASSERT_EQ(resumed.play(1), PlayResult::Free);
    resumed.settle();
    const RecordedGame& game = *resumed.history().newest();
    EXPECT_EQ(game.game, machine.player().games);
    ASSERT_TRUE(game.feature.has_value());
    EXPECT_EQ(game.feature->played, 2);
    EXPECT_EQ(game.feature->awarded, resumed.freeSpins().awarded() - 1);
    EXPECT_TRUE(couldHaveBeenPlayed(game));
}

// "Delete Current Player" clears the statistics and saves: the slot's games go with them.
TEST_F(SavedHistory, DeletingThePlayerEmptiesTheSlotsHistory) {
    played.machine.collect();
    played.machine.clearStatistics();
    ASSERT_TRUE(records.save(played.machine));
    const SavedGame read = readBack();
    EXPECT_TRUE(read.history.empty());
    EXPECT_EQ(read.historySkipped, 0);
    for (int place = 0; place < GameHistory::kGames; ++place) {
        EXPECT_TRUE(memory.value("history1", historyKey(place)).isEmpty()) << place;
    }
}

// Each slot shows its own games: switching reads the new slot's, and takeUp installs them.
TEST_F(SavedHistory, ASlotSwitchBringsTheNewSlotsOwnHistory) {
    played.machine.collect();
    ASSERT_TRUE(records.save(played.machine));
    const GameHistory slot1 = played.machine.history();
    Machine& machine = played.machine;
    ASSERT_EQ(takeUp(machine, records.switchToSaved(2, machine.player()), 25, 1), TakenUp::AtRest);
    EXPECT_TRUE(machine.history().empty());
    ASSERT_TRUE(machine.insertNote());
    played.random.pushSpin(kLosingStops);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    machine.settle();
    ASSERT_TRUE(records.save(machine));
    const GameHistory slot2 = machine.history();
    ASSERT_EQ(slot2.entries().size(), 1u);

    ASSERT_EQ(takeUp(machine, records.switchToSaved(1, machine.player()), 25, 1), TakenUp::AtRest);
    EXPECT_EQ(machine.history(), slot1);
    ASSERT_EQ(takeUp(machine, records.switchToSaved(2, machine.player()), 25, 1), TakenUp::AtRest);
    EXPECT_EQ(machine.history(), slot2);
}

using SavedHistoryFile = test::StoreFileFixture;

// Through a real records file and a restart: the slot left with a gamble open comes back at
// start-up with its games, and the gamble goes on being recorded in its own entry.
TEST_F(SavedHistoryFile, TheHistoryComesBackFromTheFileAtStartUpAndPlayGoesOnInIt) {
    PlayedMachine played;
    {
        QSettingsStore file(path());
        PlayerRecordStore records(file);
        records.setPlayernumber("3");
        ASSERT_TRUE(records.save(played.machine));
    }
    EXPECT_TRUE(fileContent().contains("\n[history3]\ng01=1700000000 1 10 1 10000 10086 "));

    QSettingsStore file(path());
    PlayerRecordStore records(file);
    const SavedGame started = records.loadAtStartUp(PlayerRecord{});
    EXPECT_EQ(records.playernumber(), "3");
    EXPECT_EQ(started.history, played.machine.history());
    EXPECT_EQ(started.historySkipped, 0);

    test::ScriptedRandom random;
    Machine machine(random);
    ASSERT_EQ(takeUp(machine, started, 25, 1), TakenUp::InProgress);
    random.push({1});
    ASSERT_TRUE(machine.guessColour(CardColour::Red).won);
    ASSERT_TRUE(machine.collect());
    const RecordedGame& game = *machine.history().newest();
    EXPECT_EQ(game.gamble->outcome, RecordedGamble::Outcome::Collected);
    EXPECT_EQ(game.creditAfter, machine.player().bank - kNoteCredits);
    EXPECT_TRUE(couldHaveBeenPlayed(game));
}

}  // namespace
}  // namespace kestrel
