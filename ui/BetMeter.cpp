#include "BetMeter.h"

#include <QLabel>

#include "Layout.h"
#include "MeterLabel.h"
#include "PictureLabel.h"

namespace kestrel::ui {

namespace {

// A caption cut from the cabinet, swapped over it: it must look like the cabinet at all times.
QLabel* caption(QWidget* window, Presentation& presentation, const QString& name, Picture picture) {
    return makePictureLabel<CabinetPieceLabel>(window, presentation, name,
                                               layout::meterCaption(layout::kBetMeter), picture);
}

QRect valuePlace() {
    const QRect& frame = layout::kBetMeter;
    return QRect(frame.x() + 4, frame.y() + 16, frame.width() - 8, 22);
}

}  // namespace

BetMeter::BetMeter(QWidget* window, Presentation& presentation)
    : QObject(window),
      LABLASTBET_(caption(window, presentation, QStringLiteral("LABLASTBET"), Picture::LABLASTBET)),
      lbllast_(makeMeterLabel(window, presentation, QStringLiteral("lbllast"), valuePlace(), 20,
                              Qt::AlignHCenter)),
      LABTHISWIN_(caption(window, presentation, QStringLiteral("LABTHISWIN"), Picture::LABTHISWIN)),
      Lblcurrentwin_(makeMeterLabel(window, presentation, QStringLiteral("Lblcurrentwin"),
                                    valuePlace(), 20, Qt::AlignHCenter)) {
    LABTHISWIN_->hide();
    Lblcurrentwin_->hide();
}

void BetMeter::showLastBet(int totalBet) {
    lbllast_->setText(QString::number(totalBet));
}

void BetMeter::showThisWin(std::int32_t credits) {
    showThisWinFace();
    Lblcurrentwin_->setText(QString::number(credits));
}

// A free spin taken up after a cut shows the face every free spin shows, not the last bet's.
void BetMeter::clearThisWin() {
    showThisWinFace();
    Lblcurrentwin_->clear();
}

void BetMeter::showThisWinFace() {
    LABLASTBET_->hide();
    lbllast_->hide();
    LABTHISWIN_->show();
    Lblcurrentwin_->show();
}

void BetMeter::showLastBetFace() {
    LABTHISWIN_->hide();
    Lblcurrentwin_->hide();
    LABLASTBET_->show();
    lbllast_->show();
}

void BetMeter::clear() {
    showLastBetFace();
    lbllast_->clear();
}

}  // namespace kestrel::ui
