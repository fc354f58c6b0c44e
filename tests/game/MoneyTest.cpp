#include <gtest/gtest.h>

#include <limits>

#include "Money.h"

namespace kestrel {
namespace {

TEST(Dollars, ShortestDecimalFormOfTheCredits) {
    EXPECT_EQ(dollars(1234), "$ 12.34");
    EXPECT_EQ(dollars(1250), "$ 12.5");
    EXPECT_EQ(dollars(1200), "$ 12");
    EXPECT_EQ(dollars(0), "$ 0");
    EXPECT_EQ(dollars(5), "$ 0.05");
    EXPECT_EQ(dollars(50), "$ 0.5");
    EXPECT_EQ(dollars(-520), "$ -5.2");
    EXPECT_EQ(dollars(-5), "$ -0.05");
}

TEST(Dollars, ExtremesOfThirtyTwoBits) {
    EXPECT_EQ(dollars(std::numeric_limits<std::int32_t>::max()), "$ 21474836.47");
    EXPECT_EQ(dollars(std::numeric_limits<std::int32_t>::min()), "$ -21474836.48");
    EXPECT_EQ(dollars(std::numeric_limits<std::int64_t>::min()), "$ -92233720368547758.08");
}

}  // namespace
}  // namespace kestrel
