#pragma once

#include "Enumeration.h"
#include "Evaluation.h"
#include "SpinRecords.h"
#include "Tally.h"

namespace kestrel::par::test {

// Tallies a selection of stops the slow way: every combination recorded by the engine's own
// reel procedure and scored by its own evaluation, once per line count.
class EngineTally {
public:
    explicit EngineTally(const StopSelection& stops) : stops_(stops) { walk(1, SpinRecords{}); }

    const Tallies& tallies() const { return tallies_; }

private:
    void walk(int reel, const SpinRecords& before) {
        for (const int stop : stops_[reel - 1]) {
            SpinRecords records = before;
            recordReel(records, reel, stop);
            if (reel == kReels) {
                book(records);
            } else {
                walk(reel + 1, records);
            }
        }
    }

    void book(const SpinRecords& records) {
        for (int i = 0; i < kLineCountChoices; ++i) {
            const int lines = kLineCounts[i];
            const std::int32_t win = evaluate(records, lines, 1).spinWin;
            ClassTally& t = win > lines ? tallies_[i].overBet : tallies_[i].withinBet;
            ++t.outcomes;
            t.win += win;
            t.hits += win > 0 ? 1 : 0;
            ++t.bySpecials.at(records.specialCount);
        }
    }

    const StopSelection& stops_;
    Tallies tallies_{};
};

}  // namespace kestrel::par::test
