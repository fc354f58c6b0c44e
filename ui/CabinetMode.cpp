#include "CabinetMode.h"

namespace kestrel::ui {

bool CabinetMode::allows(Mode from, Mode to) {
    if (to == Mode::Closed) {
        return from != Mode::Closed;
    }
    switch (from) {
        case Mode::Idle:
            return to == Mode::Spinning || to == Mode::Gamble || to == Mode::PaylineView ||
                   to == Mode::LastGames || to == Mode::Dialog;
        case Mode::Spinning:
            return to == Mode::Settling || to == Mode::Idle || to == Mode::FreeSpins ||
                   to == Mode::FeatureWon;
        case Mode::Settling:  // a feature with no room for a free spin ends with its trigger
            return to == Mode::FreeSpins || to == Mode::FeatureWon;
        case Mode::FreeSpins:
            return to == Mode::Spinning;
        case Mode::FeatureWon:
            return to == Mode::Idle || to == Mode::PaylineView || to == Mode::LastGames ||
                   to == Mode::Dialog;
        case Mode::Gamble:
            return to == Mode::Idle;
        case Mode::PaylineView:
        case Mode::LastGames:
        case Mode::Dialog:
            return false;  // only leaveOverlay() closes them
        case Mode::Closed:
            return false;
    }
    return false;
}

bool CabinetMode::enter(Mode next) {
    if (!allows(current_, next)) {
        return false;
    }
    if (isOverlay(next)) {
        underneath_ = current_;
    }
    current_ = next;
    return true;
}

bool CabinetMode::resume(Mode mode) {
    const bool resumable = mode == Mode::Spinning || mode == Mode::FreeSpins ||
                           mode == Mode::FeatureWon || mode == Mode::Gamble;
    if (current_ != Mode::Idle || !resumable) {
        return false;
    }
    current_ = mode;
    return true;
}

bool CabinetMode::leaveOverlay() {
    if (!isOverlay(current_)) {
        return false;
    }
    current_ = underneath_;
    return true;
}

}  // namespace kestrel::ui
