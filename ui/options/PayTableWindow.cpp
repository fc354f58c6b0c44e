#include "PayTableWindow.h"

#include <QPainter>

#include "OptionsStyle.h"

namespace kestrel::ui {

namespace {
constexpr QSize kButton(120, 34);
// The picture fills its own area to the edges, so the button sits on a strip below it.
constexpr int kFooter = 54;
constexpr QColor kCream(0xff, 0xf4, 0xdc);
constexpr QColor kCherry(0xc8, 0x10, 0x2e);
}  // namespace

PayTableWindow::PayTableWindow(const QPixmap& payTable, QWidget* parent)
    // A dialog of the machine's window, as the about box is: the window manager keeps it above
    // the machine it holds, full screen or not, and gives it no button to minimise it.
    : SecondaryWindow(parent, Qt::Dialog),
      payTable_(payTable),
      pictureSize_(payTable.deviceIndependentSize().toSize()),
      btnunloadpays_(new QPushButton(QStringLiteral(" EXIT"), this)) {
    setObjectName(QStringLiteral("kestrelpays"));
    setWindowTitle(QStringLiteral("Pay Table"));
    setStyleSheet(secondaryWindowStyleSheet());
    setFixedSize(pictureSize_.width(), pictureSize_.height() + kFooter);
    btnunloadpays_->setObjectName(QStringLiteral("btnunloadpays"));
    btnunloadpays_->setCursor(Qt::PointingHandCursor);
    btnunloadpays_->setProperty("primary", true);
    btnunloadpays_->setGeometry((width() - kButton.width()) / 2,
                                pictureSize_.height() + (kFooter - kButton.height()) / 2,
                                kButton.width(), kButton.height());
    connect(btnunloadpays_, &QPushButton::clicked, this, &QWidget::close);
}

void PayTableWindow::setPicture(const QPixmap& payTable) {
    payTable_ = payTable;
    update();
}

void PayTableWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kCream);
    painter.drawPixmap(QRect(QPoint(0, 0), pictureSize_), payTable_);
    const int strip = height() - kFooter;
    painter.fillRect(0, strip, width(), 3, kCherry);
}

}  // namespace kestrel::ui
