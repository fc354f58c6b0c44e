#pragma once

#include <QPushButton>

#include "Presentation.h"

namespace kestrel::ui {

// A cream button with its caption in words, as the menu and the views over the reels have them.
// It never takes the keyboard focus: the play buttons keep it.
QPushButton* captionButton(QWidget* parent, Presentation& presentation, const QString& name,
                           const QString& caption, const QRect& place);

}  // namespace kestrel::ui
