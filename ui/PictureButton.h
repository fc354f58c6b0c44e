#pragma once

#include <QPixmap>
#include <QWidget>

#include "Presentation.h"

namespace kestrel::ui {

// A button drawn as a picture. It reports the mouse going down (mouseDown), coming up (mouseUp)
// and moving over it (mouseMoved); whoever acts on a press gives it the pressed look, which is
// the cabinet's own pressed picture showing through where the button is not drawn. The look ends
// when the mouse comes up or when endPressedLook() is called. A disabled button shows its dimmed
// picture and takes no mouse.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    // A button with this look, at this place of the machine.
    PictureButton(QWidget* parent, const QString& name, Presentation& presentation, ButtonArt art,
                  const QRect& place);

    void showPressedLook();
    void endPressedLook();
    bool looksPressed() const { return pressed_; }

    // Whether the second click of a double click is a press of its own (it is unless switched
    // off): a button whose second press would undo its first takes a double click as one press.
    void setDoubleClickPressesTwice(bool twice) { doubleClickPressesTwice_ = twice; }

signals:
    void mouseDown();
    void mouseUp();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool drawnAt(QPoint pos) const;

    Presentation& presentation_;
    ButtonArt art_;
    bool pressed_ = false;
    bool doubleClickPressesTwice_ = true;
    bool firstClickHere_ = false;  // the last press was this button's, the mouse still over it
};

}  // namespace kestrel::ui
