#include <gtest/gtest.h>

#include <cmath>

#include "MeanEstimate.h"

namespace kestrel::par {
namespace {

TEST(MeanEstimate, MeanVarianceAndInterval) {
    MeanEstimate e;
    for (const double x : {2.0, 4.0, 4.0, 4.0, 5.0, 5.0, 7.0, 9.0}) {
        e.add(x);
    }
    EXPECT_EQ(e.count(), 8u);
    EXPECT_DOUBLE_EQ(e.mean(), 5.0);
    EXPECT_DOUBLE_EQ(e.sampleVariance(), 32.0 / 7.0);
    const Interval ci = e.interval99();
    EXPECT_NEAR(ci.high - 5.0, 2.5758293 * std::sqrt(32.0 / 7.0 / 8.0), 1e-6);
    EXPECT_DOUBLE_EQ(5.0 - ci.low, ci.high - 5.0);
}

TEST(MeanEstimate, StaysAccurateForALargeOffsetAndManySamples) {
    // Sums of squares would lose the spread of samples around 1e9; the running update keeps it.
    MeanEstimate e;
    for (int i = 0; i < 1000000; ++i) {
        e.add(1e9 + (i % 2 == 0 ? 1.0 : -1.0));
    }
    EXPECT_DOUBLE_EQ(e.mean(), 1e9);
    EXPECT_NEAR(e.sampleVariance(), 1.0, 1e-5);
}

TEST(MeanEstimate, FewerThanTwoSamplesHaveNoSpread) {
    MeanEstimate e;
    e.add(3.0);
    EXPECT_EQ(e.sampleVariance(), 0.0);
    EXPECT_EQ(e.interval99().low, 3.0);
    EXPECT_EQ(e.interval99().high, 3.0);
}

}  // namespace
}  // namespace kestrel::par
