#pragma once

#include <QLabel>

#include "Presentation.h"

namespace kestrel::ui {

// A meter's figure: bold DejaVu Sans Mono in the cabinet's warm white, over the frame the
// background draws.
QLabel* makeMeterLabel(QWidget* window, Presentation& presentation, const QString& name,
                       const QRect& place, int pixelSize, Qt::Alignment alignment);
// The meters' font at a pixel size of the machine.
QFont meterFont(int pixelSize);

QString inDollars(qint64 credits);

}  // namespace kestrel::ui
