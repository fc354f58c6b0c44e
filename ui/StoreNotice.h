#pragma once

#include <QObject>

#include "Presentation.h"

class QLabel;
class QWidget;

namespace kestrel::ui {

// A notice along the top of the reel window while the player records cannot be read or saved:
// which file and why. The game goes on under it; it goes when a save succeeds.
class StoreNotice : public QObject {
    Q_OBJECT
public:
    StoreNotice(QWidget* window, Presentation& presentation);

    void show(const QString& message);
    void clear();

private:
    Presentation& presentation_;
    QLabel* storenotice_;
};

}  // namespace kestrel::ui
