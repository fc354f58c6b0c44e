#pragma once

#include <QObject>
#include <cstdint>

#include "Presentation.h"

class QLabel;
class QWidget;

namespace kestrel::ui {

// The small meter between credit and win: the last total bet (LABLASTBET, lbllast) in play, the
// win of the last free spin (LABTHISWIN, Lblcurrentwin) during a feature.
class BetMeter : public QObject {
    Q_OBJECT
public:
    BetMeter(QWidget* window, Presentation& presentation);

    void showLastBet(int totalBet);
    // Switches to the this-win face and shows a free spin's win; empty text while the next spins.
    void showThisWin(std::int32_t credits);
    // The this-win face with nothing in it yet: a free spin under way.
    void clearThisWin();
    // Back to the last-bet face after a feature.
    void showLastBetFace();
    void clear();

private:
    void showThisWinFace();

    QLabel* LABLASTBET_;
    QLabel* lbllast_;
    QLabel* LABTHISWIN_;
    QLabel* Lblcurrentwin_;
};

}  // namespace kestrel::ui
