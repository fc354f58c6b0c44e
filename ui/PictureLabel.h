#pragma once

#include <QLabel>

#include "Presentation.h"

namespace kestrel::ui {

// A label named `name` that shows `picture` at `place` of the machine, at every scale to come.
QLabel* makePictureLabel(QWidget* parent, Presentation& presentation, const QString& name,
                         const QRect& place, Picture picture);

}  // namespace kestrel::ui
