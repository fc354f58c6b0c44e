#pragma once

#include <QLabel>

namespace kestrel::ui {

// A meter's figure: bold DejaVu Sans Mono in the cabinet's warm white, over the frame the
// background draws.
QLabel* makeMeterLabel(QWidget* window, const QString& name, const QRect& place, int pixelSize,
                       Qt::Alignment alignment);

QString inDollars(qint64 credits);

}  // namespace kestrel::ui
