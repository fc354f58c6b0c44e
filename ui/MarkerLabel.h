#pragma once

#include <QLabel>

namespace kestrel::ui {

// A payline marker. Markers are disabled except on the pay-line view, where hovering one draws
// its line; disabled or not they keep their lit or dimmed picture, never Qt's greyed one.
class MarkerLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestrel::ui
