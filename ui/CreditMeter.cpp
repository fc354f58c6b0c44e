#include "CreditMeter.h"

#include "Layout.h"
#include "MeterLabel.h"

namespace kestrel::ui {

CreditMeter::CreditMeter(QWidget* window)
    : QObject(window),
      PANELBANK_(makeMeterLabel(window, QStringLiteral("PANELBANK"),
                                layout::meterCredits(layout::kCreditMeter), 20, Qt::AlignLeft)),
      Lblcredit_(makeMeterLabel(window, QStringLiteral("Lblcredit"),
                                layout::meterDollars(layout::kCreditMeter), 16, Qt::AlignRight)) {}

void CreditMeter::show(std::int32_t credits) {
    PANELBANK_->setText(QString::number(credits));
    Lblcredit_->setText(inDollars(credits));
}

void CreditMeter::blank() {
    PANELBANK_->clear();
    Lblcredit_->clear();
}

}  // namespace kestrel::ui
