#include "MoneyMeter.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "Layout.h"
#include "MeterLabel.h"

namespace kestrel::ui {

namespace {
constexpr int kCreditsPixels = 20;
constexpr int kDollarsPixels = 16;
constexpr int kGap = 10;          // between the figures, the divider in its middle
constexpr double kSplit = 0.55;   // where the divider stands while both figures fit their side
constexpr int kDividerInset = 3;  // the divider is a little shorter than the figures' strip

int widthOf(const QLabel* label, int pixels) {
    QFont font = label->font();
    font.setPixelSize(pixels);
    return QFontMetrics(font).horizontalAdvance(label->text());
}

void setPixels(QLabel* label, int pixels) {
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
}
}  // namespace

MoneyMeter::MoneyMeter(QWidget* window, const QRect& frame, const QString& creditsName,
                       const QString& dollarsName)
    : QObject(window),
      strip_(layout::meterFigures(frame)),
      credits_(makeMeterLabel(window, creditsName, strip_, kCreditsPixels, Qt::AlignLeft)),
      dollars_(makeMeterLabel(window, dollarsName, strip_, kDollarsPixels, Qt::AlignRight)),
      divider_(new QWidget(window)) {
    divider_->setObjectName(creditsName + QStringLiteral("divider"));
    divider_->setStyleSheet(QStringLiteral("background: rgba(46, 196, 182, 90);"));
    divider_->hide();
}

void MoneyMeter::showAmount(std::int64_t credits) {
    showFigures(QString::number(credits), inDollars(credits));
}

void MoneyMeter::showFigures(const QString& credits, const QString& dollars) {
    credits_->setText(credits);
    dollars_->setText(dollars);
    fit();
}

// Full size while both figures fit on their side of the split; otherwise both shrink by the
// same factor until they fit side by side with the gap between them.
void MoneyMeter::fit() {
    const bool pair = !credits_->text().isEmpty() && !dollars_->text().trimmed().isEmpty();
    const int width = strip_.width();
    int left = widthOf(credits_, kCreditsPixels);
    int right = widthOf(dollars_, kDollarsPixels);
    double scale = 1.0;
    const int room = pair ? width - kGap : width;
    if (left + right > room) {
        scale = static_cast<double>(room) / (left + right);
    }
    const int creditsPixels = std::max(1, static_cast<int>(std::floor(kCreditsPixels * scale)));
    const int dollarsPixels = std::max(1, static_cast<int>(std::floor(kDollarsPixels * scale)));
    setPixels(credits_, creditsPixels);
    setPixels(dollars_, dollarsPixels);
    left = widthOf(credits_, creditsPixels);
    right = widthOf(dollars_, dollarsPixels);

    int split = strip_.x() + static_cast<int>(width * kSplit);
    if (strip_.x() + left + kGap / 2 > split || split + kGap / 2 + right > strip_.right() + 1) {
        split = strip_.x() + left + (width - left - right) / 2;
    }
    if (!pair) {
        credits_->setGeometry(strip_);
        dollars_->setGeometry(strip_);
        divider_->hide();
        return;
    }
    credits_->setGeometry(strip_.x(), strip_.y(), split - kGap / 2 - strip_.x(), strip_.height());
    dollars_->setGeometry(split + kGap / 2, strip_.y(), strip_.right() + 1 - split - kGap / 2,
                          strip_.height());
    divider_->setGeometry(split, strip_.y() + kDividerInset, 1,
                          strip_.height() - 2 * kDividerInset);
    divider_->show();
}

CreditMeter::CreditMeter(QWidget* window)
    : MoneyMeter(window, layout::kCreditMeter, QStringLiteral("PANELBANK"),
                 QStringLiteral("Lblcredit")) {}

WinMeter::WinMeter(QWidget* window)
    : MoneyMeter(window, layout::kWinMeter, QStringLiteral("LABWIN"), QStringLiteral("lblwin")) {}

}  // namespace kestrel::ui
