#pragma once

#include <QObject>
#include <QRect>
#include <cstdint>

#include "Presentation.h"

class QLabel;
class QWidget;

namespace kestrel::ui {

// A meter that shows an amount twice, in credits at the left and in dollars at the right, or a
// word at the left. The two figures share the meter's strip: each keeps its full size while the
// two fit, and both shrink alike when they would not, so that even 2,147,483,647 credits and
// "$ 21474836.47" stay side by side. A thin divider stands between them, never across a figure.
class MoneyMeter : public QObject {
    Q_OBJECT
public:
    MoneyMeter(QWidget* window, Presentation& presentation, const QRect& frame,
               const QString& creditsName, const QString& dollarsName);

    void showAmount(std::int64_t credits);
    // Any text at the left and at the right (a word, a blank, nothing).
    void showFigures(const QString& credits, const QString& dollars);

private:
    void fit();

    Presentation& presentation_;
    QRect strip_;  // in the machine's coordinates
    QLabel* credits_;
    QLabel* dollars_;
    QWidget* divider_;
};

// The credit meter: PANELBANK in credits, Lblcredit in dollars.
class CreditMeter : public MoneyMeter {
    Q_OBJECT
public:
    CreditMeter(QWidget* window, Presentation& presentation);

    void show(std::int32_t credits) { showAmount(credits); }
    // Both figures empty (a player's details were just deleted).
    void blank() { showFigures(QString(), QString()); }
};

// The win meter: LABWIN in credits (or a word), lblwin in dollars.
class WinMeter : public MoneyMeter {
    Q_OBJECT
public:
    WinMeter(QWidget* window, Presentation& presentation);

    void show(std::int64_t credits) { showAmount(credits); }
    void goodLuck() { showFigures(QStringLiteral("Good Luck"), QStringLiteral(" ")); }
    void noWin() { showFigures(QStringLiteral("No Win"), QString()); }
    void gambleLost() { showFigures(QStringLiteral("No Win"), QStringLiteral(" ")); }
    void clear() { showFigures(QString(), QString()); }
};

}  // namespace kestrel::ui
