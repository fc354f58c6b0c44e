#include "FreeSpins.h"

#include <algorithm>
#include <limits>
#include <utility>

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
        // Near the top of its 16 bits the count takes the spins that still fit, not none.
        awarded_ = static_cast<std::int16_t>(std::min<int>(
            awarded_ + freeSpinAward(specialCount), std::numeric_limits<std::int16_t>::max()));
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

std::optional<FreeSpins> FreeSpins::resumed(State state, int awarded, int played,
                                            std::int32_t featureWin) {
    if (state == State::None) {
        return awarded == 0 && played == 0 && featureWin == 0 ? std::optional(FreeSpins{})
                                                              : std::nullopt;
    }
    if (state != State::Running && state != State::Completed) {
        return std::nullopt;
    }
    if (played < 1 || played > awarded || !std::in_range<std::int16_t>(awarded) || featureWin < 0) {
        return std::nullopt;
    }
    FreeSpins feature;
    feature.state_ = state;
    feature.awarded_ = static_cast<std::int16_t>(awarded);
    feature.played_ = static_cast<std::int16_t>(played);
    feature.featureWin_ = featureWin;
    return feature;
}

}  // namespace kestrel
