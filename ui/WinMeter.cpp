#include "WinMeter.h"

#include "Layout.h"
#include "MeterLabel.h"

namespace kestrel::ui {

WinMeter::WinMeter(QWidget* window)
    : QObject(window),
      LABWIN_(makeMeterLabel(window, QStringLiteral("LABWIN"),
                             layout::meterCredits(layout::kWinMeter), 20, Qt::AlignLeft)),
      lblwin_(makeMeterLabel(window, QStringLiteral("lblwin"),
                             layout::meterDollars(layout::kWinMeter), 16, Qt::AlignRight)) {}

void WinMeter::show(std::int64_t credits) {
    showWords(QString::number(credits), inDollars(credits));
}

void WinMeter::goodLuck() {
    showWords(QStringLiteral("Good Luck"), QStringLiteral(" "));
}

void WinMeter::noWin() {
    showWords(QStringLiteral("No Win"), QString());
}

void WinMeter::gambleLost() {
    showWords(QStringLiteral("No Win"), QStringLiteral(" "));
}

void WinMeter::clear() {
    showWords(QString(), QString());
}

void WinMeter::showWords(const QString& credits, const QString& dollars) {
    LABWIN_->setText(credits);
    lblwin_->setText(dollars);
}

}  // namespace kestrel::ui
