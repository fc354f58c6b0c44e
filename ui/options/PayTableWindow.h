#pragma once

#include <QPixmap>
#include <QPushButton>

#include "SecondaryWindow.h"

namespace kestrel::ui {

// The pay table: a fixed dialog of the machine's window showing the pay table picture, with one
// " EXIT" button.
class PayTableWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit PayTableWindow(const QPixmap& payTable, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap payTable_;
    QPushButton* btnunloadpays_;
};

}  // namespace kestrel::ui
