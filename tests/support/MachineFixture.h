#pragma once

#include <gtest/gtest.h>

#include "Machine.h"
#include "Players.h"
#include "ScriptedRandom.h"
#include "Windows.h"

namespace kestrel::test {

// A machine driven by a scripted random source, with a player who has some credit.
class MachineFixture : public ::testing::Test {
protected:
    MachineFixture() { machine.switchPlayer(playerWithCredit(10000)); }

    void setCredit(std::int32_t bank) {
        editPlayer(machine, [bank](PlayerRecord& p) { p.bank = bank; });
    }

    // Plays one paid or free spin that lands on the given stops and settles it.
    Settlement spinAndSettle(const std::array<int, kReels>& stops, int button = 1) {
        random.pushSpin(stops);
        const PlayResult result = machine.play(button);
        EXPECT_TRUE(result == PlayResult::Paid || result == PlayResult::Free);
        return machine.settle();
    }

    ScriptedRandom random;
    Machine machine{random};
};

}  // namespace kestrel::test
