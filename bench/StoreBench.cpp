#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

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

// Start-up's reading: slot 1's record, then every slot's name for the options.
void readAtStartUp(const QString& path) {
    QSettingsStore settings(path);
    PlayerRecordStore records(settings);
    benchmark::DoNotOptimize(records.loadFirstSlot(PlayerRecord{}));
    for (int slot = 1; slot <= PlayerRecordStore::kSlots; ++slot) {
        benchmark::DoNotOptimize(records.slotName(slot));
    }
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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        state.SkipWithError("could not write the records file");
        return;
    }
    file.close();
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

// One durable save as the window makes after every step of play: the active slot's record and
// snapshot into a records file of six played slots, each with its snapshot, replaced whole and
// flushed to the disk. The machine has a feature running, the heaviest snapshot.
void BM_DurableSave(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kestrelslot.conf");
    QFile file(path);
    const QByteArray records = sixRecords();
    if (!file.open(QIODevice::WriteOnly) || file.write(records) != records.size()) {
        state.SkipWithError("could not write the records file");
        return;
    }
    file.close();
    QSettingsStore settings(path);
    PlayerRecordStore store(settings);
    StdRandom random(1958);
    Machine machine(random);
    PlayerRecord player;
    player.machinepay = 1;
    player.bank = 1000000;
    machine.switchPlayer(player);
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
    for (auto _ : state) {
        if (!store.save(machine)) {
            state.SkipWithError("the save failed");
            return;
        }
    }
    state.counters["file_bytes"] = double(QFile(path).size());
}

// Start-up with a game in progress in slot 6: every slot's snapshot is looked at.
void BM_StartUpRead_SnapshotsOfSixSlots(benchmark::State& state) {
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
            machine.switchPlayer(player);
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
        benchmark::DoNotOptimize(store.loadAtStartUp(PlayerRecord{}));
    }
}

BENCHMARK(BM_StartUpRead_RealRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRead_1MiBOfComments)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRead_1MiBOfKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpRead_SnapshotsOfSixSlots)->Unit(benchmark::kMillisecond);
// Wall time: the save waits for the disk, not the processor.
BENCHMARK(BM_DurableSave)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kestrel
