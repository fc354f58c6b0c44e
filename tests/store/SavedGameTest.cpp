#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <optional>

#include "Credits.h"
#include "MemorySettingsStore.h"
#include "PlayerRecordStore.h"
#include "PowerCut.h"
#include "QSettingsStore.h"
#include "QStringPrinter.h"
#include "StoreFileFixture.h"

namespace kestrel {
namespace {

using test::kThreeSpecials;

// Saves through the records of a settings store; after a power cut the program starts again
// and reads what the store holds.
class SavedInStore {
public:
    virtual ~SavedInStore() = default;
    bool save(const Machine& machine) { return PlayerRecordStore(settings()).save(machine); }
    virtual void powerCut() {}
    Resumption resumeInto(Machine& machine) {
        const SavedGame saved = PlayerRecordStore(settings()).loadAtStartUp(PlayerRecord{});
        EXPECT_FALSE(saved.snapshotRefused);
        EXPECT_EQ(saved.historySkipped, 0);
        return machine.resume(saved.record, saved.snapshot, saved.history);
    }

protected:
    virtual SettingsStore& settings() = 0;
};

class SavedInMemory final : public SavedInStore {
    SettingsStore& settings() override { return memory_; }
    test::MemorySettingsStore memory_;
};

// A records file in a fresh folder. A power cut drops the store with whatever it had not
// synced; start-up reads the file with a store made anew.
class SavedInFile final : public SavedInStore {
public:
    SavedInFile() { powerCut(); }
    void powerCut() override { file_.emplace(dir_.filePath("kestrelslot.conf")); }

private:
    SettingsStore& settings() override { return *file_; }
    QTemporaryDir dir_;
    std::optional<QSettingsStore> file_;
};

TEST(SavedGamePowerCut, EveryStepResumesFromTheMemoryStoreAsIfNeverCut) {
    test::cutThePowerAtEveryStep([] { return std::make_unique<SavedInMemory>(); });
}

TEST(SavedGamePowerCut, EveryKindOfStepResumesFromARealRecordsFile) {
    test::cutThePowerAtEveryStep([] { return std::make_unique<SavedInFile>(); }, true);
}

class SavedGameTest : public ::testing::Test {
protected:
    SavedGameTest() { machine.switchPlayer(test::playerWithCredit(10000)); }

    // A paid trigger decided and charged, not yet settled: a save with much in it.
    void decideTrigger() {
        random.pushSpin(kThreeSpecials);
        ASSERT_EQ(machine.play(1), PlayResult::Paid);
    }
    SavedGame readBack() { return PlayerRecordStore(memory).readSaved(PlayerRecord{}); }

    test::MemorySettingsStore memory;
    PlayerRecordStore records{memory};
    test::ScriptedRandom random;
    Machine machine{random};
};

TEST_F(SavedGameTest, RecordKeysComeFirstAsAlwaysThenTheSnapshotAndHistoryBesideThemInOneSync) {
    decideTrigger();
    ASSERT_TRUE(records.save(machine));
    EXPECT_EQ(memory.syncCount(), 1);
    const QStringList writes = memory.writes();
    const qsizetype snapshotEnd = 11 + qsizetype(kSnapshotKeys.size()) + 1;
    ASSERT_EQ(writes.size(), snapshotEnd + 2);
    test::MemorySettingsStore recordOnly;
    ASSERT_TRUE(PlayerRecordStore(recordOnly).write(machine.player()));
    EXPECT_EQ(writes.mid(0, 11), recordOnly.writes());
    for (std::size_t i = 0; i < kSnapshotKeys.size(); ++i) {
        EXPECT_EQ(writes[11 + qsizetype(i)], QStringLiteral("game1/") + kSnapshotKeys[i]);
    }
    EXPECT_EQ(writes[snapshotEnd - 1], "game1/check");
    EXPECT_EQ(writes.mid(snapshotEnd), QStringList({"history1/version", "history1/g01"}));

    const SavedGame saved = readBack();
    EXPECT_EQ(saved.record, machine.player());
    EXPECT_EQ(saved.snapshot, machine.snapshot());
    EXPECT_FALSE(saved.snapshotRefused);
    EXPECT_EQ(saved.history, machine.history());
}

TEST_F(SavedGameTest, RecordsFromBeforeSnapshotsReadWithNothingInProgress) {
    ASSERT_TRUE(records.write(machine.player()));
    const SavedGame saved = readBack();
    EXPECT_EQ(saved.record, machine.player());
    EXPECT_EQ(saved.snapshot, std::nullopt);
    EXPECT_FALSE(saved.snapshotRefused);
}

// A snapshot is read only beside the very record text it was saved with. Any edit of either,
// or a record written alone since (which may already hold what the snapshot still owes), makes
// it nothing in progress, and the record reads as it would without it.
TEST_F(SavedGameTest, SnapshotBesideAnyOtherRecordTextOrEditedIsRefused) {
    decideTrigger();
    ASSERT_TRUE(records.save(machine));
    const PlayerRecord saved = machine.player();
    const auto refusedAfter = [&](const char* section, const char* key, const QString& text) {
        test::MemorySettingsStore edited = memory;
        edited.setValue(section, key, text);
        const SavedGame read = PlayerRecordStore(edited).readSaved(PlayerRecord{});
        PlayerRecord expected = saved;
        PlayerRecordStore(edited).read(expected);
        EXPECT_EQ(read.record, expected) << section << '/' << key << '=' << text.toStdString();
        return read.snapshotRefused && !read.snapshot;
    };
    for (const char* key : kSnapshotKeys) {
        const QString text = memory.value("game1", key);
        EXPECT_TRUE(refusedAfter("game1", key, text + u'0')) << key;
        EXPECT_TRUE(refusedAfter("game1", key, text.isEmpty() ? QStringLiteral("1") : QString()))
            << key;
    }
    EXPECT_TRUE(refusedAfter("game1", "check", QStringLiteral("0123456789abcdef")));
    EXPECT_TRUE(refusedAfter("player1", "bank", QStringLiteral("999999")));
    EXPECT_TRUE(refusedAfter("player1", "currentplayer", QStringLiteral("Ann")));
    // Every key of the record is under the check, the statistics and settings too.
    test::MemorySettingsStore recordOnly;
    ASSERT_TRUE(PlayerRecordStore(recordOnly).write(saved));
    EXPECT_EQ(recordOnly.writes().size(), 11);
    for (const QString& written : recordOnly.writes()) {
        const QString key = written.section(u'/', 1);
        test::MemorySettingsStore edited = memory;
        edited.setValue("player1", key, memory.value("player1", key) + u'0');
        const SavedGame read = PlayerRecordStore(edited).readSaved(PlayerRecord{});
        EXPECT_TRUE(read.snapshotRefused) << key.toStdString();
        EXPECT_EQ(read.snapshot, std::nullopt) << key.toStdString();
    }
    EXPECT_FALSE(refusedAfter("player2", "bank", QStringLiteral("1")));  // another slot's

    // The trigger settles and its record is written alone: the decided spin beside it is old.
    machine.settle();
    ASSERT_TRUE(records.write(machine.player()));
    const SavedGame stale = readBack();
    EXPECT_EQ(stale.record, machine.player());
    EXPECT_TRUE(stale.snapshotRefused);
}

// A win offered to the gamble when the program closed is the player's credit after the restart,
// not a gamble still to be had.
TEST_F(SavedGameTest, AGameAtRestTakenUpOffersNoGambleOnItsLastWin) {
    random.pushSpin(test::kTwoSpecials);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    ASSERT_EQ(machine.settle().credited, 25);
    ASSERT_TRUE(machine.canGamble());
    ASSERT_TRUE(records.save(machine));

    test::ScriptedRandom script;
    Machine restarted(script);
    EXPECT_EQ(takeUp(restarted, records.loadAtStartUp(PlayerRecord{}), 25, 1), TakenUp::AtRest);
    EXPECT_EQ(restarted.player(), machine.player());
    EXPECT_FALSE(restarted.canGamble());
    EXPECT_FALSE(restarted.openGamble());
    EXPECT_EQ(restarted.player().bank, machine.player().bank);
}

// A hand edit of a record whose game was at rest leaves nothing to take up and nothing to warn
// of; a damaged snapshot beside it is still damage.
TEST_F(SavedGameTest, AnEditedRecordAtRestIsNoDamagedGame) {
    ASSERT_TRUE(records.save(machine));
    memory.setValue("player1", "bank", QStringLiteral("123456"));
    SavedGame read = readBack();
    EXPECT_EQ(read.record.bank, 123456);
    EXPECT_EQ(read.snapshot, std::nullopt);
    EXPECT_FALSE(read.snapshotRefused);

    memory.setValue("game1", "phase", QStringLiteral("dancing"));
    read = readBack();
    EXPECT_EQ(read.snapshot, std::nullopt);
    EXPECT_TRUE(read.snapshotRefused);
}

// The check matches, as a forger or a later program might make it; the values still have to be
// ones this program writes, or nothing is in progress. Whether they fit together is the
// machine's to judge (ResumeTest).
TEST_F(SavedGameTest, ValuesThisProgramNeverWritesAreRefusedEvenWithAMatchingCheck) {
    decideTrigger();
    ASSERT_TRUE(records.save(machine));
    const std::vector<std::pair<const char*, const char*>> unwritten = {
        {"version", "2"},         {"phase", "dancing"},    {"phase", "Idle"},
        {"lines", "many"},        {"lines", ""},           {"bet", "99999999999"},
        {"spin", "1 2 3"},        {"spin", "1 2 3 4 5 6"}, {"spin", "1 2 x 4 5"},
        {"spinfree", "2"},        {"spinfree", "yes"},     {"feature", "maybe"},
        {"cards", "1 2 3 4 1 2"}, {"cards", "1"},          {"gambleoffered", "-1"},
        {"coins", "1.5"},
    };
    for (const auto& [key, text] : unwritten) {
        test::MemorySettingsStore forged = memory;
        PlayerRecordStore forger(forged);
        forged.setValue("game1", key, text);
        forged.setValue("game1", "check", forger.savedGameCheck());
        const SavedGame read = forger.readSaved(PlayerRecord{});
        EXPECT_EQ(read.snapshot, std::nullopt) << key << '=' << text;
        EXPECT_EQ(read.record, machine.player()) << key << '=' << text;
    }
}

// At start-up the player the power was cut on comes back with the game; a game in another slot
// waits there, untouched, until that slot is picked.
TEST_F(SavedGameTest, StartUpPicksTheSlotWithAGameInProgressAndLeavesTheOthersAlone) {
    const auto saveIn = [&](int slot, bool inProgress) {
        records.setPlayernumber(QString::number(slot));
        test::ScriptedRandom script;
        Machine other(script);
        other.switchPlayer(test::playerWithCredit(1000 * slot));
        if (inProgress) {
            ASSERT_TRUE(other.pressCoins());
        }
        ASSERT_TRUE(records.save(other));
    };
    saveIn(1, false);
    saveIn(2, false);
    EXPECT_EQ(records.loadAtStartUp(PlayerRecord{}).record.bank, 1000);
    EXPECT_EQ(records.playernumber(), "1");

    saveIn(5, true);
    saveIn(3, true);
    const QString slot5 = memory.value("game5", "check");
    const SavedGame started = records.loadAtStartUp(PlayerRecord{});
    EXPECT_EQ(records.playernumber(), "3");
    EXPECT_EQ(started.record.bank, 3000);
    EXPECT_EQ(started.record.machinepay, 7);
    ASSERT_TRUE(started.snapshot.has_value());
    EXPECT_EQ(started.snapshot->coinsPending, kCoinsPerPress);

    test::ScriptedRandom script;
    Machine resumed(script);
    ASSERT_EQ(resumed.resume(started.record, started.snapshot), Resumption::AsSaved);
    resumed.settleForExit();
    ASSERT_TRUE(records.save(resumed));
    EXPECT_EQ(memory.value("game5", "check"), slot5);

    const SavedGame switched = records.switchToSaved(5, resumed.player());
    EXPECT_EQ(records.playernumber(), "5");
    EXPECT_EQ(switched.record.bank, 5000);
    EXPECT_EQ(switched.snapshot.value().coinsPending, kCoinsPerPress);
}

using SavedGameFile = test::StoreFileFixture;

// The record sections keep their eleven keys as older programs write and read them; the
// snapshot is a section of its own.
TEST_F(SavedGameFile, RecordSectionStaysAsOlderProgramsKnowItWithTheSnapshotBeside) {
    test::ScriptedRandom random;
    Machine machine(random);
    machine.switchPlayer(test::playerWithCredit(4480));
    random.pushSpin(kThreeSpecials);
    ASSERT_EQ(machine.play(1), PlayResult::Paid);
    {
        QSettingsStore file(path());
        ASSERT_TRUE(PlayerRecordStore(file).save(machine));
    }
    const QByteArray text = fileContent();
    EXPECT_TRUE(text.startsWith("[game1]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nphase=spinning\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nspin=1 1 1 1 1\n")) << text.toStdString();
    const QByteArray record = text.sliced(text.indexOf("[player1]\n"));
    EXPECT_EQ(record,
              "[player1]\namountinvested=0\nbank=4455\ncurrentplayer=\ngames=1\nhowmanyspins=0\n"
              "machinepay=7\nreelspeed=1\nsoundonoff=0\ntotal=125\nwager=25\nwinroll=0\n");

    QSettingsStore file(path());
    const SavedGame saved = PlayerRecordStore(file).readSaved(PlayerRecord{});
    EXPECT_EQ(saved.snapshot, machine.snapshot());
}

}  // namespace
}  // namespace kestrel
