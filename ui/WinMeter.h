#pragma once

#include <QObject>
#include <cstdint>

class QLabel;
class QWidget;

namespace kestrel::ui {

// The win meter: LABWIN in credits (or a word), lblwin in dollars.
class WinMeter : public QObject {
    Q_OBJECT
public:
    explicit WinMeter(QWidget* window);

    void show(std::int64_t credits);
    void goodLuck();    // a paid spin is under way
    void noWin();       // the spin won nothing
    void gambleLost();  // the gamble took the stake
    void clear();

private:
    void showWords(const QString& credits, const QString& dollars);

    QLabel* LABWIN_;
    QLabel* lblwin_;
};

}  // namespace kestrel::ui
