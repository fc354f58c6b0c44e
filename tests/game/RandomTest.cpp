#include <gtest/gtest.h>

#include <array>

#include "Geometry.h"
#include "Machine.h"
#include "RandomSource.h"

namespace kestrel {
namespace {

// Plays a million spins with every outcome standing (payout setting 1, so no redraw biases the
// stops) and checks that each reel's stops are uniform and that reels do not move together.
TEST(StopDraw, EveryStopOfEveryReelIsEquallyLikelyAndReelsAreIndependent) {
    constexpr int kSpins = 1000000;
    // Chi-square with 21 degrees of freedom: P(X > 48.27) = 0.0005.
    constexpr double kBound = 48.27;
    StdRandom random(4242);
    Machine machine(random);
    PlayerRecord player;
    player.machinepay = 1;
    player.bank = 1 << 30;
    machine.switchPlayer(player);
    machine.setLinesPlayed(1);
    std::array<std::array<int, kStops + 1>, kReels + 1> counts{};
    int sameStopOnReelsOneAndTwo = 0;
    for (int i = 0; i < kSpins; ++i) {
        ASSERT_EQ(machine.play(1), PlayResult::Paid);
        const auto& stops = machine.records().reelStop;
        for (int reel = 1; reel <= kReels; ++reel) {
            ++counts[reel][stops[reel]];
        }
        sameStopOnReelsOneAndTwo += stops[1] == stops[2];
        machine.settle();
        machine.settleForExit();  // plays out a feature, so that every counted spin is paid
    }
    const double expected = static_cast<double>(kSpins) / kStops;
    for (int reel = 1; reel <= kReels; ++reel) {
        double chiSquare = 0;
        for (int stop = 1; stop <= kStops; ++stop) {
            const double d = counts[reel][stop] - expected;
            chiSquare += d * d / expected;
        }
        EXPECT_LT(chiSquare, kBound) << "reel " << reel;
    }
    // A generator re-seeded from a coarse clock before each draw would make these nearly always
    // equal; independent reels agree one time in 22 (sd about 210 here).
    EXPECT_NEAR(sameStopOnReelsOneAndTwo, kSpins / kStops, 1000);
}

}  // namespace
}  // namespace kestrel
