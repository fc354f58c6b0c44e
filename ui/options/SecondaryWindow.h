#pragma once

#include <QWidget>

namespace kestrel::ui {

// A window opened over the machine from its menu. It shows in the middle of the screen, and
// however it is closed, by its own button or by the close box, it reports closed() once, so
// the machine's window can enable itself again.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryWindow(QWidget* parent, Qt::WindowFlags flags);

    void showCentred();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool closed_ = false;
};

}  // namespace kestrel::ui
