#include "Autoplay.h"

#include "Bets.h"
#include "Machine.h"

namespace kestrel {

bool Autoplay::switchOn(int betPerLine) {
    on_ = isBetPerLine(betPerLine);
    return on_;
}

Autoplay::Next Autoplay::afterSettling(const Settlement& settled, std::int32_t spinWin) const {
    if (!on_) {
        return {};
    }
    if (settled.completed) {
        return {Action::TakeWin, kTicksShowingFeatureTotal};
    }
    if (settled.triggered || settled.freeSpin) {
        return {};  // the feature presses its own spins
    }
    return {Action::Spin, spinWin < 1 ? kTicksAfterLoss : kTicksAfterWin};
}

Autoplay::Next Autoplay::afterTakeWin() const {
    return on_ ? Next{Action::Spin, kTicksAfterWin} : Next{};
}

bool mayOfferGamble(const Machine& machine, const Autoplay& autoplay) {
    return !autoplay.isOn() && machine.canGamble();
}

}  // namespace kestrel
