#include "LineFlash.h"

#include "LineOverlay.h"
#include "Paylines.h"
#include "ReelAnimation.h"

namespace kestrel::ui {

namespace {
constexpr int kTickMs = 50;
constexpr int kPauseMs = 150;
constexpr int kTicksPerLine = 5;
}  // namespace

LineFlash::LineFlash(QObject* parent, Clock& clock, const Machine& machine, ReelAnimation& reels,
                     LineOverlay& overlay, const std::array<QLabel*, 27>& markers)
    : QObject(parent),
      clock_(clock),
      machine_(machine),
      reels_(reels),
      overlay_(overlay),
      lin_(markers),
      tmrlineflash_(clock.createTimer(this, kTickMs)) {
    tmrlineflash_->setObjectName(QStringLiteral("tmrlineflash"));
    connect(tmrlineflash_, &ClockTimer::timeout, this, &LineFlash::onTick);
}

bool LineFlash::anyLineWon() const {
    for (int k = 1; k <= machine_.linesPlayed(); ++k) {
        if (machine_.result().winCount[k] >= 2) {
            return true;
        }
    }
    return false;
}

void LineFlash::start() { tmrlineflash_->start(); }

void LineFlash::stop() { tmrlineflash_->stop(); }

void LineFlash::onTick() {
    for (int c = 1; c <= kCells; ++c) {
        reels_.cell(c)->show();
    }
    const SpinResult& result = machine_.result();
    const int played = machine_.linesPlayed();
    int won = 0;
    for (int k = 1; k <= played; ++k) {
        won += result.winLine[k] > 0;
    }
    if (won == 0) {
        tmrlineflash_->stop();
        return;
    }
    ++flashTick_;
    ++phase_;
    for (;;) {
        if (flashLine_ > played || flashLine_ < 1) {
            flashLine_ = 1;
            flashTick_ = 1;
        } else if (result.winLine[flashLine_] == 0) {
            ++flashLine_;
            flashTick_ = 1;
        } else if (flashTick_ > kTicksPerLine) {
            ++flashLine_;
            flashTick_ = 1;
        } else {
            break;
        }
    }
    if (phase_ > 1) {
        phase_ = 0;
    }
    if (flashTick_ == kTicksPerLine) {
        phase_ = 0;
    }

    const int line = result.winLine[flashLine_];
    const bool lit = phase_ != 0;
    const int segments = overlay_.placePath(line);
    for (int j = 1; j <= segments; ++j) {
        overlay_.setSegmentVisible(j, lit);
    }
    // The marker blinks against the line.
    lin_[line]->setVisible(!lit);
    if (line == 1) {
        lin_[26]->setVisible(!lit);
    }
    const int count = result.winCount[flashLine_];
    if (count >= 2 && count <= 5) {
        reels_.cell(lineCell(line, 1))->setVisible(lit);
        const auto& wildCell = machine_.records().wildCell;
        for (int r = 2; r <= count; ++r) {
            const int cell = lineCell(line, r);
            reels_.cell(cell)->setVisible(wildCell[r] == cell || lit);
        }
    }
    clock_.yield();
    clock_.pause(kPauseMs);
}

}  // namespace kestrel::ui
