#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "PowerCut.h"

namespace kestrel {
namespace {

// Keeps the record and snapshot as the engine hands them over, with no store between: the
// engine's own half of surviving a power cut.
class HeldByHand {
public:
    bool save(const Machine& machine) {
        held_ = test::stateOf(machine);
        return true;
    }
    void powerCut() {}
    Resumption resumeInto(Machine& machine) { return machine.resume(held_.record, held_.snapshot); }

private:
    test::MachineState held_;
};

TEST(PowerCut, EveryStepOfPlayResumesFromTheSnapshotAsIfNeverCut) {
    test::cutThePowerAtEveryStep([] { return std::make_unique<HeldByHand>(); });
}

}  // namespace
}  // namespace kestrel
