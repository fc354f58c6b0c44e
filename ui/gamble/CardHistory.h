#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace kestrel::ui {

// The strip `historypic`(1..5) under the card: the last five cards drawn, oldest on the left.
// The first five cards fill it from the left; from the sixth on, the five pictures turn like a
// ring: the oldest moves to the right-hand end with the new card and the others shift one
// place left. The count of cards drawn runs 1..10 and then goes back to 6, which keeps the ring
// turning with period five for as long as the strip lives.
class CardHistory {
public:
    explicit CardHistory(QWidget* panel);

    void add(const QPixmap& icon);
    // `gambleCount`: cards drawn so far, as the ring counts them (1..10 once any is drawn).
    int count() const { return count_; }

private:
    std::array<QLabel*, 6> historypic_{};
    int count_ = 0;
};

}  // namespace kestrel::ui
