#include "SpinRecords.h"

#include "Paylines.h"
#include "ReelStrips.h"

namespace kestrel {

void resetRecords(SpinRecords& records) {
    records = SpinRecords{};
}

void recordReel(SpinRecords& records, int reel, int stop) {
    recordColumn(records, reel,
                 {stopSymbol(reel, stop, Row::Top), stopSymbol(reel, stop, Row::Middle),
                  stopSymbol(reel, stop, Row::Bottom)});
    records.reelStop[reel] = static_cast<std::int16_t>(stop);
}

std::optional<SpinRecords> recordsAtStops(const std::array<int, kReels>& stops) {
    SpinRecords records;
    for (int reel = 1; reel <= kReels; ++reel) {
        const int stop = stops[static_cast<size_t>(reel - 1)];
        if (stop < 1 || stop > kStops) {
            return std::nullopt;
        }
        recordReel(records, reel, stop);
    }
    return records;
}

std::array<int, kReels> stopsOf(const SpinRecords& records) {
    std::array<int, kReels> stops{};
    for (int reel = 1; reel <= kReels; ++reel) {
        stops[static_cast<size_t>(reel - 1)] = records.reelStop[reel];
    }
    return stops;
}

void recordColumn(SpinRecords& records, int reel, const std::array<Symbol, kRows>& column) {
    const auto weight = static_cast<std::int16_t>(kReelWeight[reel]);
    for (int r = 0; r < kRows; ++r) {
        const Row row = static_cast<Row>(r);
        const Symbol symbol = column[r];
        const auto& through = kLinesThrough[reel - 1][r];
        const auto cell = static_cast<std::int16_t>(cellNumber(reel, row));
        if (symbol == Symbol::W) {
            for (int i = 0; i < through.count; ++i) {
                for (auto& sums : records.lineSum) {
                    sums[through.lines[i]] += weight;
                }
            }
            records.wildCell[reel] = cell;
            ++records.specialCount;
        } else if (symbol == Symbol::SC) {
            records.scatterCell[reel] = cell;
            ++records.specialCount;
        } else {
            auto& sums = records.lineSum[group(symbol) - 1];
            for (int i = 0; i < through.count; ++i) {
                sums[through.lines[i]] += weight;
            }
        }
        records.cellPic[reel][r] = static_cast<std::int16_t>(pictureIndex(symbol, row));
    }
}

}  // namespace kestrel
