#include "CaptionButton.h"

namespace kestrel::ui {

QPushButton* captionButton(QWidget* parent, Presentation& presentation, const QString& name,
                           const QString& caption, const QRect& place) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    presentation.place(b, place);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    presentation.setStyle(
        b, QStringLiteral(
               "QPushButton { color: #2b1b12; background: #f6e7c8; border: 2px solid #c8a24a;"
               " border-radius: 8px; font: bold 14px 'DejaVu Sans'; }"
               "QPushButton:hover { background: #ffd6d6; }"
               "QPushButton:disabled { color: #a89878; background: #e6d9bd;"
               " border-color: #b8a47a; }"));
    return b;
}

}  // namespace kestrel::ui
