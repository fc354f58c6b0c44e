#include "MeterLabel.h"

#include <QFont>

#include "Money.h"

namespace kestrel::ui {

QLabel* makeMeterLabel(QWidget* window, const QString& name, const QRect& place, int pixelSize,
                       Qt::Alignment alignment) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    label->setGeometry(place);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #ffe9a8; background: transparent;"));
    return label;
}

QString inDollars(qint64 credits) {
    return QString::fromStdString(dollars(credits));
}

}  // namespace kestrel::ui
