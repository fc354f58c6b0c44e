#include "MeterLabel.h"

#include <QFont>

#include "Money.h"

namespace kestrel::ui {

QFont meterFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* makeMeterLabel(QWidget* window, Presentation& presentation, const QString& name,
                       const QRect& place, int pixelSize, Qt::Alignment alignment) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    presentation.place(label, place);
    presentation.setFont(label, meterFont(pixelSize));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #ffe9a8; background: transparent;"));
    return label;
}

QString inDollars(qint64 credits) {
    return QString::fromStdString(dollars(credits));
}

}  // namespace kestrel::ui
