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

    // The picture shown, and one to show in its place at the same size: the same pay table
    // drawn for the screen's pixels.
    const QPixmap& picture() const { return payTable_; }
    void setPicture(const QPixmap& payTable);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap payTable_;
    QSize pictureSize_;  // in the window's coordinates, whatever the picture's pixel ratio
    QPushButton* btnunloadpays_;
};

}  // namespace kestrel::ui
