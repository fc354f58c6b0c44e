#pragma once

#include <QObject>
#include <vector>

#include "GameHistory.h"
#include "LastGamesText.h"
#include "Presentation.h"

class QLabel;
class QPushButton;

namespace kestrel::ui {

class ReelWindow;

// The last games, one spin at a time: the reels as they stopped with the winning lines drawn
// (through the reel window), the figures of the game in a panel over the bottom of the cabinet,
// and the buttons for the game before, the game after and back to the game. Free spins follow
// the game whose feature they belong to. The view only looks: it keeps its own copy of the
// history and changes nothing.
class LastGamesView : public QObject {
    Q_OBJECT
public:
    LastGamesView(QWidget* window, Presentation& presentation, ReelWindow& reels);

    // Opens on the newest paid game; linesPlayed is what the markers show once it closes.
    void open(const GameHistory& history);
    void close(int linesPlayed);

    void previous();
    void next();
signals:
    void backPressed();

private:
    void showPage(int page);
    void fitText();
    int pageCount() const { return static_cast<int>(pages_.size()); }

    Presentation& presentation_;
    ReelWindow& reels_;
    QWidget* lastgamesview_;
    QLabel* lastgamestitle_;
    QLabel* lastgamesfigures_;
    QPushButton* lastgamesprevious_;
    QPushButton* lastgamesnext_;
    QPushButton* lastgamesback_;
    GameHistory history_;
    std::vector<HistoryPage> pages_;
    int page_ = -1;
};

}  // namespace kestrel::ui
