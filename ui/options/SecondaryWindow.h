#pragma once

#include <QWidget>

namespace kestrel::ui {

// A window opened over the machine from its menu. It shows in the middle of the screen, and
// however it is closed, by its own button, the close box or Escape, it reports closed() once,
// so the machine's window can enable itself again. Enter presses the button with the focus,
// or the default one, as in a dialog.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryWindow(QWidget* parent, Qt::WindowFlags flags);

    void showCentred();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool closed_ = false;
};

}  // namespace kestrel::ui
