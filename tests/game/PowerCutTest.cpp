#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "PowerCut.h"

namespace kestrel {
namespace {

// Keeps the record, snapshot and history as the engine hands them over, with no store between:
// the engine's own half of surviving a power cut.
class HeldByHand {
public:
    bool save(const Machine& machine) {
        held_ = test::stateOf(machine);
        return true;
    }
    void powerCut() {}
    Resumption resumeInto(Machine& machine) {
        return machine.resume(held_.record, held_.snapshot, held_.history);
    }

private:
    test::MachineState held_;
};

// The history too ends as if never cut: the game in play goes on being recorded in its entry.
TEST(PowerCut, EveryStepOfPlayResumesFromTheSnapshotAsIfNeverCut) {
    test::cutThePowerAtEveryStep([] { return std::make_unique<HeldByHand>(); });
}

}  // namespace
}  // namespace kestrel
