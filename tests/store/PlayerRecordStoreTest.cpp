#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "Machine.h"
#include "MemorySettingsStore.h"
#include "PlayerRecordStore.h"
#include "QSettingsStore.h"
#include "QStringPrinter.h"
#include "ScriptedRandom.h"
#include "StoreFileFixture.h"

namespace kestrel {
namespace {

PlayerRecord playedRecord() {
    PlayerRecord record;
    record.howmanyspins = 3;
    record.soundonoff = PlayerRecord::kTrue;
    record.machinepay = 4;
    record.winroll = 1;
    record.reelspeed = 2;
    record.amountinvested = 5000;
    record.wager = 2500;
    record.total = 1980;
    record.bank = 4480;
    record.games = 10;
    record.currentplayer = "Ann";
    return record;
}

class PlayerRecordStoreTest : public ::testing::Test {
protected:
    test::MemorySettingsStore memory;
    PlayerRecordStore records{memory};
};

TEST_F(PlayerRecordStoreTest, FirstRunGivesZeroesNoNameAndThePayoutTheGameStartsWith) {
    PlayerRecord expected;
    expected.machinepay = 7;
    EXPECT_EQ(records.loadFirstSlot(PlayerRecord{}), expected);
    EXPECT_EQ(records.playernumber(), "1");

    PlayerRecord loose;
    loose.machinepay = 4;
    EXPECT_EQ(records.loadFirstSlot(loose).machinepay, 4);
}

TEST_F(PlayerRecordStoreTest, StoredPayoutOverridesTheStartValueUnlessNoLevelOfTheOptions) {
    memory.setValue("player1", "machinepay", "4");
    EXPECT_EQ(records.loadFirstSlot(PlayerRecord{}).machinepay, 4);
    memory.setValue("player1", "machinepay", "0");
    EXPECT_EQ(records.loadFirstSlot(PlayerRecord{}).machinepay, 7);
}

TEST(PlayerRecordFile, FullRecordRoundTripsThroughTheSettingsFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kestrelslot.conf");
    PlayerRecord record = playedRecord();
    record.bank = 12345;
    record.wager = std::numeric_limits<std::int32_t>::max();
    record.currentplayer = "Zoë 🎰 Ñandú";
    {
        QSettingsStore file(path);
        ASSERT_TRUE(PlayerRecordStore(file).write(record));
    }
    QSettingsStore file(path);
    PlayerRecord read;
    PlayerRecordStore(file).read(read);
    EXPECT_EQ(read, record);

    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    EXPECT_TRUE(text.startsWith("[player1]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nbank=12345\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nsoundonoff=-1\n")) << text.toStdString();
}

TEST_F(PlayerRecordStoreTest, WriteStoresTheElevenKeysInTheirOrderAndReportsAFailedSync) {
    memory.setWritable(false);
    EXPECT_FALSE(records.write(playedRecord()));
    EXPECT_EQ(memory.syncCount(), 1);
    QStringList expected;
    for (const char* key : {"howmanyspins", "soundonoff", "machinepay", "winroll", "reelspeed",
                            "amountinvested", "wager", "total", "bank", "games", "currentplayer"}) {
        expected.append(QStringLiteral("player1/") + key);
    }
    EXPECT_EQ(memory.writes(), expected);
}

// A hand-edited file may hold anything. A value the program could not have written reads like
// text that is not a number: the field keeps the value it had.
TEST(PlayerRecordValues, HandEditedValuesTheProgramNeverWritesLeaveTheFieldUnchanged) {
    const std::vector<std::pair<const char*, const char*>> refused = {
        // not a number of the field's type
        {"bank", "abc"},
        {"bank", ""},
        {"bank", "12.5"},
        {"bank", "99999999999"},
        {"games", "-2147483649"},
        {"howmanyspins", "70000"},
        {"reelspeed", "-32769"},
        {"soundonoff", "1x"},
        {"machinepay", "0x4"},
        {"bank", "0x10"},
        {"games", "0x7"},
        // a number, but not one the program writes there
        {"machinepay", "0"},
        {"machinepay", "1"},
        {"machinepay", "5"},
        {"machinepay", "-7"},
        {"machinepay", "32767"},
        {"soundonoff", "1"},
        {"soundonoff", "-2"},
        {"winroll", "2"},
        {"winroll", "-1"},
        {"reelspeed", "3"},
        {"reelspeed", "-1"},
        {"howmanyspins", "-1"},
        {"amountinvested", "-5000"},
        {"wager", "-1"},
        {"total", "-2147483648"},
        {"bank", "-1"},
        {"games", "-3"},
    };
    for (const auto& [key, text] : refused) {
        test::MemorySettingsStore memory;
        memory.setValue("player1", key, text);
        memory.setValue("player1", "currentplayer", "Ann");
        PlayerRecord record = playedRecord();
        PlayerRecordStore(memory).read(record);
        EXPECT_EQ(record, playedRecord()) << key << "=" << text;
    }
}

// Money or a count typed by hand in a form the game cannot read is written over at the next
// save; the file as it was is kept beside it and named, as for lines that make no sense.
using PlayerRecordFileValues = test::StoreFileFixture;
TEST_F(PlayerRecordFileValues, UnreadableMoneyIsKeptInACopyOfTheFileBeforeItIsWrittenOver) {
    const QByteArray typed = "[player1]\nbank=5,000\ngames=12\n\n[player2]\nbank=900\n";
    writeFile(typed);
    QSettingsStore file(path());
    PlayerRecordStore records(file);
    const PlayerRecord read = records.loadFirstSlot(PlayerRecord{});
    EXPECT_EQ(read.bank, 0);
    EXPECT_EQ(read.games, 12);
    ASSERT_TRUE(file.lastProblem().has_value());
    EXPECT_TRUE(file.lastProblem()->partlyRead);
    EXPECT_TRUE(file.lastProblem()->message().contains("bank in [player1]"))
        << file.lastProblem()->message().toStdString();
    EXPECT_TRUE(file.lastProblem()->message().contains(file.damagedCopyPath()));
    EXPECT_EQ(contentOf(file.damagedCopyPath()), typed);

    ASSERT_TRUE(records.write(read));
    EXPECT_EQ(file.lastProblem(), std::nullopt);
    EXPECT_TRUE(fileContent().contains("\nbank=0\n"));
    EXPECT_EQ(contentOf(file.damagedCopyPath()), typed);
}

// A copy the player was told about stays as it was: money typed wrongly for a second player,
// found when that player is picked after the first one's record was written, is kept in a copy
// of its own.
TEST_F(PlayerRecordFileValues, ACopyOnceNamedIsNeverWrittenOverByALaterOne) {
    const QByteArray typed = "[player1]\nbank=1,000\n\n[player2]\nbank=2,000\n";
    writeFile(typed);
    QSettingsStore file(path());
    PlayerRecordStore records(file);
    const PlayerRecord first = records.loadFirstSlot(PlayerRecord{});
    ASSERT_TRUE(file.lastProblem().has_value());
    const QString firstCopy = file.damagedCopyPath();
    ASSERT_TRUE(file.lastProblem()->message().contains(firstCopy));
    ASSERT_TRUE(records.write(first));
    ASSERT_TRUE(fileContent().contains("\nbank=0\n"));

    (void)records.switchTo(2, first);
    ASSERT_TRUE(file.lastProblem().has_value());
    EXPECT_TRUE(file.lastProblem()->message().contains("bank in [player2]"));
    EXPECT_EQ(contentOf(firstCopy), typed) << "the first player's money is in no other file";
    const QString message = file.lastProblem()->message();
    const QString secondCopy = message.mid(message.lastIndexOf(u' ') + 1).chopped(1);
    EXPECT_NE(secondCopy, firstCopy);
    EXPECT_EQ(contentOf(secondCopy), fileContent());

    // The same damage found again is kept once.
    (void)records.switchTo(1, first);
    (void)records.switchTo(2, first);
    EXPECT_TRUE(file.lastProblem()->message().endsWith(secondCopy + u'.'));
    EXPECT_EQ(filesInFolder().size(), 3);
}

// What this game writes, a key left empty and settings it would not write (they cost nothing)
// raise no alarm and keep no copy.
TEST_F(PlayerRecordFileValues, ReadableMoneyAndOddSettingsKeepNoCopy) {
    writeFile("[player1]\nbank=4480\ngames=\nmachinepay=0\nreelspeed=3\nsoundonoff=1\n");
    QSettingsStore file(path());
    PlayerRecordStore records(file);
    EXPECT_EQ(records.loadFirstSlot(PlayerRecord{}).bank, 4480);
    EXPECT_EQ(file.lastProblem(), std::nullopt);
    EXPECT_FALSE(QFile::exists(file.damagedCopyPath()));
}

TEST(PlayerRecordValues, EveryValueTheProgramWritesReadsBack) {
    const auto readOver = [](const std::vector<std::pair<const char*, const char*>>& values,
                             PlayerRecord record) {
        test::MemorySettingsStore memory;
        for (const auto& [key, text] : values) {
            memory.setValue("player1", key, text);
        }
        PlayerRecordStore(memory).read(record);
        return record;
    };
    PlayerRecord lowest;
    lowest.machinepay = 7;
    EXPECT_EQ(readOver({{"howmanyspins", "0"},
                        {"soundonoff", "0"},
                        {"machinepay", "7"},
                        {"winroll", "0"},
                        {"reelspeed", "0"},
                        {"amountinvested", "0"},
                        {"wager", "0"},
                        {"total", "0"},
                        {"bank", "0"},
                        {"games", "0"}},
                       playedRecord()),
              lowest);

    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const PlayerRecord highest{32767, PlayerRecord::kTrue, 4, 1, 2, kMax, kMax, kMax, kMax, kMax,
                               ""};
    EXPECT_EQ(readOver({{"howmanyspins", "32767"},
                        {"soundonoff", "-1"},
                        {"machinepay", "4"},
                        {"winroll", "1"},
                        {"reelspeed", "2"},
                        {"amountinvested", "2147483647"},
                        {"wager", "2147483647"},
                        {"total", "2147483647"},
                        {"bank", "2147483647"},
                        {"games", "2147483647"}},
                       PlayerRecord{}),
              highest);
    EXPECT_EQ(readOver({{"reelspeed", "1"}}, PlayerRecord{}).reelspeed, 1);
}

TEST_F(PlayerRecordStoreTest, StoredNamesLongerThanTwelveCharactersAreCut) {
    memory.setValue("player1", "currentplayer", "ÄÖÜäöüßéèêëçX");
    memory.setValue("player2", "currentplayer", "🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰");
    memory.setValue("player3", "currentplayer", "🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰");
    PlayerRecord record;
    records.read(record);
    EXPECT_EQ(record.currentplayer, "ÄÖÜäöüßéèêëç");
    EXPECT_EQ(records.slotName(2), "🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰");
    EXPECT_EQ(records.slotName(3), "🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰");
    EXPECT_EQ(records.slotName(4), "");
}

TEST_F(PlayerRecordStoreTest, SectionIsPlayerWithTheSlotDigitOrPlainPlayer) {
    EXPECT_EQ(PlayerRecordStore::sectionFor("1"), "player1");
    EXPECT_EQ(PlayerRecordStore::sectionFor("6"), "player6");
    for (const char* odd : {"", "0", "7", "01", " 1", "1 ", "+1", "one"}) {
        EXPECT_EQ(PlayerRecordStore::sectionFor(odd), "player") << '"' << odd << '"';
    }
    records.setPlayernumber("9");
    ASSERT_TRUE(records.write(playedRecord()));
    EXPECT_EQ(memory.value("player", "bank"), "4480");
}

TEST_F(PlayerRecordStoreTest, EmptySlotStartsClearedButKeepsSoundsAndPayout) {
    const PlayerRecord next = records.switchTo(2, playedRecord());
    PlayerRecord expected;
    expected.soundonoff = PlayerRecord::kTrue;
    expected.machinepay = 4;
    EXPECT_EQ(next, expected);  // the free-spin count is the new player's too
    EXPECT_EQ(records.playernumber(), "2");
    EXPECT_EQ(memory.syncCount(), 0) << "the record being left is not written";
}

TEST_F(PlayerRecordStoreTest, SwitchingMovesTheMachineBetweenStoredPlayers) {
    test::ScriptedRandom random;
    Machine machine{random};
    machine.switchPlayer(records.loadFirstSlot(PlayerRecord{}));
    machine.renamePlayer("Ann");
    ASSERT_TRUE(machine.insertNote());
    ASSERT_TRUE(records.write(machine.player()));

    memory.setValue("player3", "bank", "250");
    memory.setValue("player3", "soundonoff", "0");
    memory.setValue("player3", "currentplayer", "Bea");
    PlayerSettings soundOn = machine.settings();
    soundOn.soundonoff = PlayerRecord::kTrue;
    machine.changeSettings(soundOn);
    machine.switchPlayer(records.switchTo(3, machine.player()));
    EXPECT_EQ(machine.player().bank, 250);
    EXPECT_EQ(machine.player().soundonoff, 0);
    EXPECT_EQ(machine.player().machinepay, 7);
    EXPECT_EQ(machine.player().currentplayer, "Bea");

    machine.switchPlayer(records.switchTo(1, machine.player()));
    EXPECT_EQ(machine.player().bank, 5000);
    EXPECT_EQ(machine.player().amountinvested, 5000);
    EXPECT_EQ(machine.player().currentplayer, "Ann");
    EXPECT_EQ(records.slotName(3), "Bea");
}

}  // namespace
}  // namespace kestrel
