#pragma once

#include <QLabel>

#include "Presentation.h"

namespace kestrel::ui {

// A label for a piece of the cabinet (a meter's caption, a line marker): it keeps its picture's
// colours while disabled, like the cabinet around it, where a QLabel greys its picture into a
// box while a dialog holds the machine.
class CabinetPieceLabel final : public QLabel {
public:
    explicit CabinetPieceLabel(QWidget* parent = nullptr) : QLabel(parent) {
        Presentation::keepColoursWhileDisabled(this);
    }

protected:
    void paintEvent(QPaintEvent*) override;
};

// A label named `name` that shows `picture` at `place` of the machine, at every scale to come:
// a QLabel, or a CabinetPieceLabel for a piece of the cabinet.
template <typename Label = QLabel>
Label* makePictureLabel(QWidget* parent, Presentation& presentation, const QString& name,
                        const QRect& place, Picture picture) {
    auto* label = new Label(parent);
    label->setObjectName(name);
    presentation.place(label, place);
    presentation.show(label, picture);
    return label;
}

}  // namespace kestrel::ui
