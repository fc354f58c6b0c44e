#include "CardHistory.h"

#include "Layout.h"

namespace kestrel::ui {

namespace {
constexpr int kStrip = 5;
constexpr int kWrapAbove = 10;
constexpr int kWrapTo = 6;
}  // namespace

CardHistory::CardHistory(QWidget* panel, Presentation& presentation,
                         std::function<QPixmap(int)> icon)
    : presentation_(presentation), icon_(std::move(icon)) {
    namespace L = layout::gamble;
    for (int i = 1; i <= kStrip; ++i) {
        auto* picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("historypic%1").arg(i));
        presentation.place(picture,
                           QRect(QPoint(L::kHistoryLeft[i], L::kHistoryTop), L::kHistorySize));
        picture->setAlignment(Qt::AlignCenter);
        picture->hide();
        historypic_[i] = picture;
    }
}

void CardHistory::add(int card) {
    namespace L = layout::gamble;
    if (++count_ > kWrapAbove) {
        count_ = kWrapTo;
    }
    if (count_ <= kStrip) {
        card_[count_] = card;
        historypic_[count_]->setPixmap(icon_(card));
        historypic_[count_]->show();
        return;
    }
    // Picture m holds the oldest card: it takes the new one at the right-hand end, and the four
    // after it round the ring move one place left.
    const int m = count_ - kStrip;
    for (int place = 1; place < kStrip; ++place) {
        const int picture = (m + place - 1) % kStrip + 1;
        presentation_.move(historypic_[picture], QPoint(L::kHistoryLeft[place], L::kHistoryTop));
    }
    presentation_.move(historypic_[m], QPoint(L::kHistoryLeft[kStrip], L::kHistoryTop));
    card_[m] = card;
    historypic_[m]->setPixmap(icon_(card));
}

void CardHistory::refresh() {
    for (int i = 1; i <= kStrip; ++i) {
        if (card_[i] != 0) {
            historypic_[i]->setPixmap(icon_(card_[i]));
        }
    }
}

}  // namespace kestrel::ui
