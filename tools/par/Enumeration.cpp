#include "Enumeration.h"

#include <cstdint>
#include <stdexcept>

#include "PayTable.h"
#include "StopMasks.h"

namespace kestrel::par {

namespace {

// Lines are summed in buckets: bucket i holds the lines above kLineCounts[i - 1] up to
// kLineCounts[i], so the win on the first n lines is a prefix sum over buckets.
constexpr std::array<std::uint8_t, kLines> kBucketOfLine = [] {
    std::array<std::uint8_t, kLines> bucket{};
    int i = 0;
    for (int line = 1; line <= kLines; ++line) {
        while (line > kLineCounts[i]) {
            ++i;
        }
        bucket[line - 1] = static_cast<std::uint8_t>(i);
    }
    return bucket;
}();

static_assert(kLineCounts[kLineCountChoices - 1] == kLines);

// The reels drawn so far: the pays of the lines whose run has ended, by bucket, and the lines
// whose run from reel 1 still goes on.
struct Partial {
    std::array<std::int32_t, kLineCountChoices> pay{};
    std::array<std::uint8_t, kLines> open{};
    int openCount = 0;
    int specials = 0;
};

class Walk {
public:
    explicit Walk(const StopSelection& stops) : stops_(stops) {
        // Each stop at most once per reel keeps every count below 22^5.
        for (const auto& reel : stops_) {
            std::array<bool, kStops> seen{};
            for (const int stop : reel) {
                if (stop < 1 || stop > kStops) {
                    throw std::invalid_argument("a reel stop is outside 1..22");
                }
                if (seen[stop - 1]) {
                    throw std::invalid_argument("a reel stop is selected twice");
                }
                seen[stop - 1] = true;
            }
        }
        for (const int stop : stops_[kReels - 1]) {
            ++lastReelStopsBySpecials_[kStopMasks.specials[kReels - 1][stop - 1]];
        }
    }

    Tallies run() {
        std::array<Partial, kReels> partial{};
        for (const int stop1 : stops_[0]) {
            start(stop1 - 1, partial[0]);
            for (const int stop2 : stops_[1]) {
                extend(partial[0], 2, stop2 - 1, partial[1]);
                for (const int stop3 : stops_[2]) {
                    extend(partial[1], 3, stop3 - 1, partial[2]);
                    for (const int stop4 : stops_[3]) {
                        extend(partial[2], 4, stop4 - 1, partial[3]);
                        finish(partial[3]);
                    }
                }
            }
        }
        return tallies_;
    }

private:
    void start(int stopIndex, Partial& out) {
        out = Partial{};
        out.specials = kStopMasks.specials[0][stopIndex];
        for (int line = 0; line < kLines; ++line) {
            group_[line] = static_cast<std::uint8_t>(kStopMasks.firstGroup(stopIndex, line));
            if (group_[line] != 0) {
                out.open[out.openCount++] = static_cast<std::uint8_t>(line);
            }
        }
    }

    // Adds reel 2..5: a run that does not go on ends with as many symbols as reels before it.
    void extend(const Partial& in, int reel, int stopIndex, Partial& out) const {
        const auto& run = kStopMasks.run[reel - 1][stopIndex];
        out.pay = in.pay;
        out.specials = in.specials + kStopMasks.specials[reel - 1][stopIndex];
        out.openCount = 0;
        for (int i = 0; i < in.openCount; ++i) {
            const int line = in.open[i];
            const int g = group_[line];
            if ((run[line] >> g) & 1u) {
                out.open[out.openCount++] = static_cast<std::uint8_t>(line);
            } else {
                out.pay[kBucketOfLine[line]] += kLinePay[g][reel - 1];
            }
        }
    }

    // Adds reel 5. Without a run of four the reel matters only through its specials, so its stops
    // are taken a group at a time.
    void finish(const Partial& four) {
        if (four.openCount == 0) {
            for (int s = 0; s < static_cast<int>(lastReelStopsBySpecials_.size()); ++s) {
                if (lastReelStopsBySpecials_[s] > 0) {
                    book(four.pay, four.specials + s, lastReelStopsBySpecials_[s]);
                }
            }
            return;
        }
        Partial five;
        for (const int stop5 : stops_[kReels - 1]) {
            extend(four, kReels, stop5 - 1, five);
            for (int i = 0; i < five.openCount; ++i) {
                const int line = five.open[i];
                five.pay[kBucketOfLine[line]] += kLinePay[group_[line]][kReels];
            }
            book(five.pay, five.specials, 1);
        }
    }

    void book(const std::array<std::int32_t, kLineCountChoices>& pay, int specials,
              std::int64_t outcomes) {
        std::int32_t lineWin = 0;
        for (int i = 0; i < kLineCountChoices; ++i) {
            lineWin += pay[i];
            const int lines = kLineCounts[i];
            const std::int32_t win = lineWin + scatterMultiplier(specials) * lines;
            ClassTally& tally = win > lines ? tallies_[i].overBet : tallies_[i].withinBet;
            tally.outcomes += outcomes;
            tally.win += outcomes * win;
            tally.hits += win > 0 ? outcomes : 0;
            tally.bySpecials[specials] += outcomes;
        }
    }

    const StopSelection& stops_;
    std::array<std::int64_t, 2> lastReelStopsBySpecials_{};
    std::array<std::uint8_t, kLines> group_{};
    Tallies tallies_{};
};

}  // namespace

StopSelection allStops() {
    StopSelection stops;
    for (auto& reel : stops) {
        for (int stop = 1; stop <= kStops; ++stop) {
            reel.push_back(stop);
        }
    }
    return stops;
}

Tallies enumerate(const StopSelection& stops) {
    return Walk(stops).run();
}

}  // namespace kestrel::par
