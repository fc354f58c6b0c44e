#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "MachineFixture.h"

namespace kestrel {
namespace {

using test::ScriptRanOut;

// A test whose script is short must end at the draw it cannot answer, whatever the machine does
// with the value: under the payout control a made-up value could be redrawn for ever.
class ShortScript : public test::MachineFixture {};

TEST_F(ShortScript, EndsThePlayInsideTheRedrawsWithAFailure) {
    random.pushSpin(test::kThreeSpecials, 2);  // rejected: the machine draws again
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW(machine.play(1), ScriptRanOut), "ran out of values");
}

TEST_F(ShortScript, StopsAValueOutsideTheRangeBeforeTheMachineUsesIt) {
    random.push({23});  // no reel has a 23rd stop
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW(machine.play(1), ScriptRanOut), "23 is outside 1..22");
}

}  // namespace
}  // namespace kestrel
