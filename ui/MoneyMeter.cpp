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
    return QFontMetrics(meterFont(pixels)).horizontalAdvance(label->text());
}

QLabel* figure(QWidget* window, const QString& name, Qt::Alignment alignment) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #ffe9a8; background: transparent;"));
    return label;
}
}  // namespace

MoneyMeter::MoneyMeter(QWidget* window, Presentation& presentation, const QRect& frame,
                       const QString& creditsName, const QString& dollarsName)
    : QObject(window),
      presentation_(presentation),
      strip_(layout::meterFigures(frame)),
      credits_(figure(window, creditsName, Qt::AlignLeft)),
      dollars_(figure(window, dollarsName, Qt::AlignRight)),
      divider_(new QWidget(window)) {
    divider_->setObjectName(creditsName + QStringLiteral("divider"));
    divider_->setStyleSheet(QStringLiteral("background: rgba(46, 196, 182, 90);"));
    divider_->hide();
    connect(&presentation, &Presentation::rescaled, this, &MoneyMeter::fit);
    fit();
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
// same factor until they fit side by side with the gap between them. Worked out in device pixels
// at the scale in force, so the figures are as legible at every scale.
void MoneyMeter::fit() {
    const qreal scale = presentation_.scale();
    const QRect strip = presentation_.rect(strip_);
    const int gap = presentation_.length(kGap);
    const int fullCredits = presentation_.length(kCreditsPixels);
    const int fullDollars = presentation_.length(kDollarsPixels);
    const bool pair = !credits_->text().isEmpty() && !dollars_->text().trimmed().isEmpty();
    const int width = strip.width();
    int left = widthOf(credits_, fullCredits);
    int right = widthOf(dollars_, fullDollars);
    double shrink = 1.0;
    const int room = pair ? width - gap : width;
    if (left + right > room) {
        shrink = static_cast<double>(room) / (left + right);
    }
    const int creditsPixels = std::max(1, static_cast<int>(std::floor(fullCredits * shrink)));
    const int dollarsPixels = std::max(1, static_cast<int>(std::floor(fullDollars * shrink)));
    credits_->setFont(meterFont(creditsPixels));
    dollars_->setFont(meterFont(dollarsPixels));
    left = widthOf(credits_, creditsPixels);
    right = widthOf(dollars_, dollarsPixels);

    int split = strip.x() + static_cast<int>(width * kSplit);
    if (strip.x() + left + gap / 2 > split || split + gap / 2 + right > strip.right() + 1) {
        split = strip.x() + left + (width - left - right) / 2;
    }
    if (!pair) {
        credits_->setGeometry(strip);
        dollars_->setGeometry(strip);
        divider_->hide();
        return;
    }
    credits_->setGeometry(strip.x(), strip.y(), split - gap / 2 - strip.x(), strip.height());
    dollars_->setGeometry(split + gap / 2, strip.y(), strip.right() + 1 - split - gap / 2,
                          strip.height());
    const int inset = presentation_.length(kDividerInset);
    divider_->setGeometry(split, strip.y() + inset, std::max(1, qRound(scale)),
                          strip.height() - 2 * inset);
    divider_->show();
}

CreditMeter::CreditMeter(QWidget* window, Presentation& presentation)
    : MoneyMeter(window, presentation, layout::kCreditMeter, QStringLiteral("PANELBANK"),
                 QStringLiteral("Lblcredit")) {}

WinMeter::WinMeter(QWidget* window, Presentation& presentation)
    : MoneyMeter(window, presentation, layout::kWinMeter, QStringLiteral("LABWIN"),
                 QStringLiteral("lblwin")) {}

}  // namespace kestrel::ui
