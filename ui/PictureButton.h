#pragma once

#include <QPixmap>
#include <QWidget>

namespace kestrel::ui {

// A button drawn as a picture. It acts on the mouse going down (mouseDown) and ends its pressed
// look on the mouse coming up (mouseUp); the pressed look itself is the button hiding so that
// the cabinet underneath shows through. A disabled button shows its dimmed picture and ignores
// the mouse.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& name, const QPixmap& picture,
                  const QPixmap& disabledPicture);

    void setPictures(const QPixmap& picture, const QPixmap& disabledPicture);

signals:
    void mouseDown();
    void mouseUp();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool awaitingRelease_ = false;
    QPixmap picture_;
    QPixmap disabledPicture_;
};

}  // namespace kestrel::ui
