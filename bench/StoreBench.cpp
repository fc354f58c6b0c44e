#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "GameHistory.h"
#include "Machine.h"
#include "PlayerRecordStore.h"
#include "QSettingsStore.h"
#include "RandomSource.h"

namespace kestrel {
namespace {

// The six records a player of every slot leaves behind, about 1.5 KB.
QByteArray sixRecords() {
    QByteArray text;
    for (int slot = 1; slot <= PlayerRecordStore::kSlots; ++slot) {
        text += "[player" + QByteArray::number(slot) +
                "]\nhowmanyspins=0\nsoundonoff=-1\nmachinepay=7\nwinroll=1\nreelspeed=2\n"
                "amountinvested=125000\nwager=98000\ntotal=91500\nbank=18500\ngames=3120\n"
                "currentplayer=Player " +
                QByteArray::number(slot) + "\n\n";
    }
    return text;
}

// Start-up's reading: the active slot's record, snapshot and history, then every slot's name
// for the options.
void readAtStartUp(const QString& path) {
    QSettingsStore settings(path);
    PlayerRecordStore records(settings);
    benchmark::DoNotOptimize(records.loadAtStartUp(PlayerRecord{}));
    for (int slot = 1; slot <= PlayerRecordStore::kSlots; ++slot) {
        benchmark::DoNotOptimize(records.slotName(slot));
    }
}

// Writes a records file; false (and the benchmark skipped) when it cannot be written.
bool writeRecordsFile(benchmark::State& state, const QString& path, const QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        state.SkipWithError("could not write the records file");
        return false;
    }
    return true;
}

// Reads the records from a file that holds them followed by `filler` lines up to the store's
// size limit, a fresh store each time as at start-up.
void benchReadFrom(benchmark::State& state, const QByteArray& filler) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kestrelslot.conf");
    QByteArray text = sixRecords();
    for (int i = 0;
         !filler.isEmpty() && text.size() + 2 * filler.size() < QSettingsStore::kSizeLimit; ++i) {
        text += QByteArray(filler).replace('#', QByteArray::number(i));
    }
    if (!writeRecordsFile(state, path, text)) {
        return;
    }
    for (auto _ : state) {
        readAtStartUp(path);
    }
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["file_bytes"] = double(text.size());
}

void BM_StartUpRead_RealRecords(benchmark::State& state) {
    benchReadFrom(state, QByteArray());
}
// Comment lines: the cheapest kind of large file.
void BM_StartUpRead_1MiBOfComments(benchmark::State& state) {
    benchReadFrom(state, "; a note the player left in the file, line #\n");
}
// A key in its own section per line: every line becomes a stored value.
void BM_StartUpRead_1MiBOfKeys(benchmark::State& state) {
    benchReadFrom(state, "[extra#]\nkey#=value #\n");
}

// What the history of every slot holds in the save and start-up benchmarks (their argument).
enum class Histories { None, Played, Widest };

const char* labelOf(Histories kind) {
    switch (kind) {
        case Histories::None:
            return "no history";
        case Histories::Played:
            return "25 played games a slot";
        case Histories::Widest:
            return "25 of the widest games a slot";
    }
    return "";
}

// Twenty-five paid games as a player plays them at the realistic payout: 25 lines, one credit a
// line, features played out and taken, every third win gambled on red and collected if won.
GameHistory playedGames() {
    StdRandom random(1961);
    Machine machine(random);
    PlayerRecord player;
    player.machinepay = 7;
    player.bank = 1000000;
    machine.switchPlayer(player);
    for (int game = 1; game <= GameHistory::kGames; ++game) {
        machine.play(1);
        machine.settle();
        while (machine.freeSpinsActive()) {
            machine.play(1);
            machine.settle();
        }
        machine.takeWin();
        if (machine.canGamble() && game % 3 == 0) {
            machine.openGamble();
            machine.guessColour(CardColour::Red);
            machine.collect();
        }
    }
    return machine.history();
}

// Twenty-five of the widest games play can record: 25 lines at 20 a line, each a feature of 60
// free spins (50 kept) re-triggered by five specials on every kept one, its total gambled 40
// times (32 guesses kept), the credit figures in the billions. Every one reads back whole, so
// start-up scores all 1275 kept spins.
GameHistory widestGames() {
    const RecordedSpin trigger = *scoredSpin({1, 1, 1, 1, 1}, 25, 20);
    const RecordedSpin fiveSpecials = *scoredSpin({1, 1, 1, 5, 7}, 25, 20);
    RecordedGame game;
    game.lines = 25;
    game.betPerLine = 20;
    game.creditBefore = 900'000'000;
    game.spin = trigger;
    RecordedFeature& feature = game.feature.emplace();
    feature.stage = RecordedFeature::Stage::Taken;
    feature.spins.assign(RecordedFeature::kKeptSpins, fiveSpecials);
    feature.played = 60;
    feature.awarded = 10 + RecordedFeature::kKeptSpins * 21;
    feature.total = trigger.pays + feature.played * fiveSpecials.pays;
    RecordedGamble& gamble = game.gamble.emplace();
    gamble.staked = feature.total;
    gamble.outcome = RecordedGamble::Outcome::Collected;
    gamble.amount = feature.total * 2048;
    gamble.guessCount = 40;
    gamble.guesses.assign(RecordedGamble::kKeptGuesses, RecordedGuess{Call::Red, 1});
    game.creditAfter = game.creditBefore - game.totalBet() + gamble.amount;
    GameHistory history;
    for (int i = 0; i < GameHistory::kGames; ++i) {
        game.time = 1'700'000'000 + 60 * i;
        game.game = 2'000'000'000 + i;
        history.add(game);
    }
    return history;
}

GameHistory historyOf(Histories kind) {
    switch (kind) {
        case Histories::None:
            return {};
        case Histories::Played:
            return playedGames();
        case Histories::Widest:
            return widestGames();
    }
    return {};
}

// One durable save as the window makes after every step of play: the active slot's record,
// snapshot and history into a records file of six played slots, each with its snapshot and
// history, replaced whole and flushed to the disk. The machine has a feature running, the
// heaviest snapshot. Argument: what the histories hold (Histories).
void BM_DurableSave(benchmark::State& state) {
    const auto histories = static_cast<Histories>(state.range(0));
    const GameHistory history = historyOf(histories);
    QTemporaryDir dir;
    const QString path = dir.filePath("kestrelslot.conf");
    if (!writeRecordsFile(state, path, sixRecords())) {
        return;
    }
    QSettingsStore settings(path);
    PlayerRecordStore store(settings);
    StdRandom random(1958);
    Machine machine(random);
    PlayerRecord player;
    player.machinepay = 1;
    player.bank = 1000000;
    machine.resume(player, std::nullopt, history);
    for (int slot = 1; slot <= PlayerRecordStore::kSlots; ++slot) {
        store.setPlayernumber(QString::number(slot));
        (void)store.save(machine);
    }
    while (!machine.freeSpinsActive()) {
        machine.play(1);
        machine.settle();
        if (machine.featureCompleted()) {
            machine.takeWin();
        }
    }
    machine.resume(machine.player(), machine.snapshot(), history);
    for (auto _ : state) {
        if (!store.save(machine)) {
            state.SkipWithError("the save failed");
            return;
        }
    }
    state.counters["file_bytes"] = double(QFile(path).size());
    state.SetLabel(labelOf(histories));
}

// Start-up with a game in progress in slot 6: every slot's snapshot is looked at, and slot 6's
// history is read. Argument: what the histories hold (Histories).
void BM_StartUpRead_SnapshotsOfSixSlots(benchmark::State& state) {
    const auto histories = static_cast<Histories>(state.range(0));
    const GameHistory history = historyOf(histories);
    QTemporaryDir dir;
    const QString path = dir.filePath("kestrelslot.conf");
    {
        QSettingsStore settings(path);
        PlayerRecordStore store(settings);
        StdRandom random(1969);
        Machine machine(random);
        for (int slot = 1; slot <= PlayerRecordStore::kSlots; ++slot) {
            PlayerRecord player;
            player.bank = 5000;
            machine.resume(player, std::nullopt, history);
            if (slot == PlayerRecordStore::kSlots) {
                (void)machine.pressCoins();
            }
            store.setPlayernumber(QString::number(slot));
            (void)store.save(machine);
        }
    }
    for (auto _ : state) {
        QSettingsStore settings(path);
        PlayerRecordStore store(settings);
        const SavedGame saved = store.loadAtStartUp(PlayerRecord{});
        if (saved.history != history) {
            state.SkipWithError("the history did not read back");
            return;
        }
    }
    state.counters["file_bytes"] = double(QFile(path).size());
    state.SetLabel(labelOf(histories));
}

BENCHMARK(BM_StartUpRead_RealRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRead_1MiBOfComments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRead_1MiBOfKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRead_SnapshotsOfSixSlots)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
// Wall time: the save waits for the disk, not the processor.
BENCHMARK(BM_DurableSave)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kestrel
