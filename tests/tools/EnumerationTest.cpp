#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <stdexcept>

#include "EngineTally.h"
#include "Enumeration.h"

namespace kestrel::par {
namespace {

void expectSameTallies(const Tallies& fast, const Tallies& engine) {
    for (int i = 0; i < kLineCountChoices; ++i) {
        SCOPED_TRACE(testing::Message() << kLineCounts[i] << " lines");
        const std::array<std::pair<const ClassTally*, const ClassTally*>, 2> classes = {
            {{&fast[i].withinBet, &engine[i].withinBet}, {&fast[i].overBet, &engine[i].overBet}}};
        for (const auto& [a, b] : classes) {
            EXPECT_EQ(a->outcomes, b->outcomes);
            EXPECT_EQ(a->win, b->win);
            EXPECT_EQ(a->hits, b->hits);
            EXPECT_EQ(a->bySpecials, b->bySpecials);
        }
    }
}

// A random handful of distinct stops on every reel.
StopSelection randomSelection(std::mt19937& rng, int mostPerReel) {
    StopSelection stops;
    std::vector<int> all(kStops);
    std::iota(all.begin(), all.end(), 1);
    for (auto& reel : stops) {
        std::shuffle(all.begin(), all.end(), rng);
        const int n = std::uniform_int_distribution<int>(1, mostPerReel)(rng);
        reel.assign(all.begin(), all.begin() + n);
    }
    return stops;
}

TEST(Enumeration, AgreesWithTheEngineOnEveryOutcomeForEveryLineCount) {
    const Tallies fast = enumerateAll();
    expectSameTallies(fast, test::EngineTally(allStops()).tallies());
    const std::int64_t outcomes = fast[0].withinBet.outcomes + fast[0].overBet.outcomes;
    EXPECT_EQ(outcomes, 22LL * 22 * 22 * 22 * 22);
}

TEST(Enumeration, AgreesWithTheEngineOnSingleOutcomesAndRandomSelections) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 20000; ++round) {
        // Single outcomes compare each stop combination's win on its own; small products also
        // cover the grouping of reel 5's stops by their specials.
        const StopSelection stops = randomSelection(rng, round % 2 == 0 ? 1 : 4);
        const Tallies fast = enumerate(stops);
        const Tallies engine = test::EngineTally(stops).tallies();
        if (fast != engine) {
            expectSameTallies(fast, engine);
            FAIL() << "first difference in round " << round;
        }
    }
}

TEST(Enumeration, AcceptsNoStopOutsideTheStripOrTwiceOnAReel) {
    StopSelection stops = allStops();
    stops[2].push_back(23);
    EXPECT_THROW(enumerate(stops), std::invalid_argument);
    stops[2].back() = 0;
    EXPECT_THROW(enumerate(stops), std::invalid_argument);
    stops[2].back() = 5;
    EXPECT_THROW(enumerate(stops), std::invalid_argument);
}

TEST(Enumeration, AnEmptyReelSelectionHasNoOutcomes) {
    StopSelection stops = allStops();
    stops[4].clear();
    const Tallies none = enumerate(stops);
    for (const LineTally& t : none) {
        EXPECT_EQ(t.withinBet.outcomes + t.overBet.outcomes, 0);
    }
}

}  // namespace
}  // namespace kestrel::par
