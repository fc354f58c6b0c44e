#pragma once

#include <QObject>
#include <cstdint>

class QLabel;
class QWidget;

namespace kestrel::ui {

// The credit meter: PANELBANK in credits, Lblcredit in dollars.
class CreditMeter : public QObject {
    Q_OBJECT
public:
    explicit CreditMeter(QWidget* window);

    void show(std::int32_t credits);
    // Both figures empty (a player's details were just deleted).
    void blank();

private:
    QLabel* PANELBANK_;
    QLabel* Lblcredit_;
};

}  // namespace kestrel::ui
