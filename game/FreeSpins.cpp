#include "FreeSpins.h"

#include "Checked.h"
#include "PayTable.h"

namespace kestrel {

FreeSpins::Step FreeSpins::settle(int specialCount, std::int32_t spinWin) {
    Step step;
    if (specialCount >= 3) {
        step.triggered = true;
        step.firstTrigger = state_ != State::Running;
        if (step.firstTrigger) {
            featureWin_ = 0;
            (void)checkedAdd(featureWin_, spinWin);
        }
        state_ = State::Running;
        (void)checkedAdd(awarded_, freeSpinAward(specialCount));
    }
    if (state_ == State::Running) {
        (void)checkedAdd(played_, 1);
        // A spin that triggers never ends the feature, even when the counts meet.
        if (!step.triggered && played_ >= awarded_) {
            state_ = State::Completed;
            step.completed = true;
        }
    }
    return step;
}

void FreeSpins::addWin(std::int32_t spinWin) {
    (void)checkedAdd(featureWin_, spinWin);
}

void FreeSpins::endNow() {
    if (state_ == State::Running) {
        state_ = State::Completed;
    }
}

std::int32_t FreeSpins::take() {
    const std::int32_t win = featureWin_;
    *this = FreeSpins{};
    return win;
}

}  // namespace kestrel
