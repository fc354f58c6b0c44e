#include "CardHistory.h"

#include "Layout.h"

namespace kestrel::ui {

namespace {
constexpr int kStrip = 5;
constexpr int kWrapAbove = 10;
constexpr int kWrapTo = 6;
}  // namespace

CardHistory::CardHistory(QWidget* panel) {
    namespace L = layout::gamble;
    for (int i = 1; i <= kStrip; ++i) {
        auto* picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("historypic%1").arg(i));
        picture->setGeometry(QRect(QPoint(L::kHistoryLeft[i], L::kHistoryTop), L::kHistorySize));
        picture->setAlignment(Qt::AlignCenter);
        picture->hide();
        historypic_[i] = picture;
    }
}

void CardHistory::add(const QPixmap& icon) {
    namespace L = layout::gamble;
    if (++count_ > kWrapAbove) {
        count_ = kWrapTo;
    }
    if (count_ <= kStrip) {
        historypic_[count_]->setPixmap(icon);
        historypic_[count_]->show();
        return;
    }
    // Picture m holds the oldest card: it takes the new one at the right-hand end, and the four
    // after it round the ring move one place left.
    const int m = count_ - kStrip;
    for (int place = 1; place < kStrip; ++place) {
        const int picture = (m + place - 1) % kStrip + 1;
        historypic_[picture]->move(L::kHistoryLeft[place], L::kHistoryTop);
    }
    historypic_[m]->move(L::kHistoryLeft[kStrip], L::kHistoryTop);
    historypic_[m]->setPixmap(icon);
}

}  // namespace kestrel::ui
