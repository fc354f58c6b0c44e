#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

#include "Presentation.h"

namespace kestrel::ui {

// The strip `historypic`(1..5) under the card: the last five cards drawn, oldest on the left.
// The first five cards fill it from the left; from the sixth on, the five pictures turn like a
// ring: the oldest moves to the right-hand end with the new card and the others shift one
// place left. The count of cards drawn runs 1..10 and then goes back to 6, which keeps the ring
// turning with period five for as long as the strip lives.
class CardHistory {
public:
    // `icon(card)`: the small picture of card 1..4 at the scale in force.
    CardHistory(QWidget* panel, Presentation& presentation, std::function<QPixmap(int)> icon);

    void add(int card);
    // Shows every card of the strip again (the scale changed).
    void refresh();
    // `gambleCount`: cards drawn so far, as the ring counts them (1..10 once any is drawn).
    int count() const { return count_; }

private:
    Presentation& presentation_;
    std::function<QPixmap(int)> icon_;
    std::array<QLabel*, 6> historypic_{};
    std::array<int, 6> card_{};  // the card each picture shows
    int count_ = 0;
};

}  // namespace kestrel::ui
