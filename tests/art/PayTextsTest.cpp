#include <gtest/gtest.h>

#include "Geometry.h"
#include "PayTable.h"
#include "PayTexts.h"

namespace kestrel {
namespace {

using art::Pay;

// The pay table picture is drawn from these: every pay the engine makes must be listed once,
// longest run first, and nothing the engine does not pay.
TEST(PayTexts, listEveryLinePayOfTheEngineLongestRunFirst) {
    for (int g = 1; g <= kSymbolCount; ++g) {
        const Symbol s = symbolOfGroup(g);
        const std::vector<Pay> pays = art::linePays(s);
        size_t next = 0;
        for (int count = kReels; count >= 1; --count) {
            if (lineMultiplier(s, count) == 0) {
                continue;
            }
            ASSERT_LT(next, pays.size()) << "symbol " << g << " run " << count;
            EXPECT_EQ(pays[next].count, count) << "symbol " << g;
            EXPECT_EQ(pays[next].multiplier, lineMultiplier(s, count)) << "symbol " << g;
            ++next;
        }
        EXPECT_EQ(next, pays.size()) << "symbol " << g;
        if (!isPaying(s)) {
            EXPECT_TRUE(pays.empty()) << "symbol " << g;
        }
    }
}

TEST(PayTexts, listEveryScatterPayOfTheEngine) {
    const std::vector<Pay> pays = art::scatterPays();
    size_t next = 0;
    for (int count = kReels; count >= 0; --count) {
        if (scatterMultiplier(count) > 0) {
            ASSERT_LT(next, pays.size());
            EXPECT_EQ(pays[next].count, count);
            EXPECT_EQ(pays[next].multiplier, scatterMultiplier(count));
            ++next;
        }
    }
    EXPECT_EQ(next, pays.size());
}

TEST(PayTexts, writeLinePaysAsNumbersAndScatterPaysAsTimes) {
    EXPECT_EQ(art::payText({5, 1500}, false), QStringLiteral("1500"));
    EXPECT_EQ(art::payText({3, 5}, true), QStringLiteral("5\u00D7"));
}

// A first trigger counts as the feature's first spin, so the player is told one fewer than the
// engine awards.
TEST(PayTexts, tellTheFreeSpinsAPlayerActuallyGets) {
    EXPECT_EQ(art::freeSpinTriggers(), QStringLiteral("3, 4 or 5"));
    EXPECT_EQ(art::freeSpinCounts(), QStringLiteral("%1, %2 or %3")
                                         .arg(freeSpinAward(3) - 1)
                                         .arg(freeSpinAward(4) - 1)
                                         .arg(freeSpinAward(5) - 1));
    EXPECT_EQ(art::freeSpinCounts(), QStringLiteral("10, 15 or 20"));
}

TEST(PayTexts, nameTheReelsTheWildStandsOn) {
    EXPECT_EQ(art::wildReels(), QStringLiteral("2, 3 and 4"));
}

}  // namespace
}  // namespace kestrel
