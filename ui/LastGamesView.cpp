#include "LastGamesView.h"

#include <QLabel>
#include <QPushButton>

#include "CaptionButton.h"
#include "Layout.h"
#include "ReelWindow.h"

namespace kestrel::ui {

namespace {

// The figures' type: the usual size, and the smallest it shrinks to on a page that says more
// than seven lines of the usual size hold.
constexpr int kFiguresPx = 13;
constexpr int kSmallestFiguresPx = 9;
// The title's: a game number of six digits or more on a free spin's page, or a long month
// name, takes more than its line at the usual size.
constexpr int kTitlePx = 14;
constexpr int kSmallestTitlePx = 10;

QString figuresStyle(int px) {
    return QStringLiteral("color: #fff3c4; background: transparent; font: %1px 'DejaVu Sans';")
        .arg(px);
}

QString titleStyle(int px) {
    return QStringLiteral("color: #e8c25a; background: transparent; font: bold %1px 'DejaVu Sans';")
        .arg(px);
}

}  // namespace

LastGamesView::LastGamesView(QWidget* window, Presentation& presentation, ReelWindow& reels)
    : QObject(window),
      presentation_(presentation),
      reels_(reels),
      lastgamesview_(new QLabel(window)) {
    namespace L = layout;
    lastgamesview_->setObjectName(QStringLiteral("lastgamesview"));
    presentation.place(lastgamesview_, L::kLastGamesPanel);
    presentation.setStyle(lastgamesview_,
                          QStringLiteral("QLabel#lastgamesview { background: #2b1b12;"
                                         " border: 3px solid #c8a24a; border-radius: 10px; }"));

    lastgamestitle_ = new QLabel(lastgamesview_);
    lastgamestitle_->setObjectName(QStringLiteral("lastgamestitle"));
    presentation.place(lastgamestitle_, L::kLastGamesTitle);
    lastgamestitle_->setTextFormat(Qt::PlainText);
    presentation.setStyle(lastgamestitle_, titleStyle(kTitlePx));
    lastgamesfigures_ = new QLabel(lastgamesview_);
    lastgamesfigures_->setObjectName(QStringLiteral("lastgamesfigures"));
    presentation.place(lastgamesfigures_, L::kLastGamesFigures);
    lastgamesfigures_->setTextFormat(Qt::PlainText);
    lastgamesfigures_->setWordWrap(true);
    lastgamesfigures_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    presentation.setStyle(lastgamesfigures_, figuresStyle(kFiguresPx));
    connect(&presentation, &Presentation::rescaled, this, [this] {
        if (lastgamesview_->isVisible()) {
            fitText();
        }
    });

    lastgamesprevious_ =
        captionButton(lastgamesview_, presentation, QStringLiteral("lastgamesprevious"),
                      QStringLiteral("\u25C0 Previous"), L::kLastGamesButtons[0]);
    lastgamesnext_ = captionButton(lastgamesview_, presentation, QStringLiteral("lastgamesnext"),
                                   QStringLiteral("Next \u25B6"), L::kLastGamesButtons[1]);
    lastgamesback_ = captionButton(lastgamesview_, presentation, QStringLiteral("lastgamesback"),
                                   QStringLiteral("Return to Game"), L::kLastGamesButtons[2]);
    connect(lastgamesprevious_, &QPushButton::clicked, this, &LastGamesView::previous);
    connect(lastgamesnext_, &QPushButton::clicked, this, &LastGamesView::next);
    connect(lastgamesback_, &QPushButton::clicked, this, &LastGamesView::backPressed);
    lastgamesview_->hide();
}

void LastGamesView::open(const GameHistory& history) {
    history_ = history;
    pages_ = historyPages(history_);
    lastgamesview_->show();
    lastgamesview_->raise();
    if (pages_.empty()) {
        page_ = -1;
        lastgamestitle_->setText(QStringLiteral("No game has been played yet."));
        lastgamesfigures_->setText(
            QStringLiteral("The last %1 games of this player are kept here, each with its free "
                           "spins and its gamble.")
                .arg(GameHistory::kGames));
        fitText();
        lastgamesprevious_->setEnabled(false);
        lastgamesnext_->setEnabled(false);
        return;
    }
    // The newest paid game, before any free spins of its own.
    const int newest = static_cast<int>(history_.entries().size()) - 1;
    int page = 0;
    for (int i = 0; i < pageCount(); ++i) {
        if (pages_[static_cast<size_t>(i)] == HistoryPage{newest, 0}) {
            page = i;
        }
    }
    showPage(page);
}

void LastGamesView::close(int linesPlayed) {
    lastgamesview_->hide();
    reels_.endRecall(linesPlayed);
    history_.clear();
    pages_.clear();
    page_ = -1;
}

void LastGamesView::previous() {
    if (page_ > 0) {
        showPage(page_ - 1);
    }
}

void LastGamesView::next() {
    if (page_ >= 0 && page_ + 1 < pageCount()) {
        showPage(page_ + 1);
    }
}

void LastGamesView::showPage(int page) {
    page_ = page;
    const HistoryPage& shown = pages_[static_cast<size_t>(page)];
    const RecordedSpin& spin = spinOf(history_, shown);
    const RecordedGame& game = history_.entries()[static_cast<size_t>(shown.game)];
    reels_.recall(spin.stops, winningLines(spin), game.lines);
    const PageText text = describePage(history_, shown);
    lastgamestitle_->setText(text.title);
    lastgamesfigures_->setText(text.figures);
    fitText();
    lastgamesprevious_->setEnabled(page_ > 0);
    lastgamesnext_->setEnabled(page_ + 1 < pageCount());
}

// The largest type, down to the smallest, at which the title fits its line and every line of
// the figures fits their box.
void LastGamesView::fitText() {
    for (int px = kTitlePx; px >= kSmallestTitlePx; --px) {
        presentation_.setStyle(lastgamestitle_, titleStyle(px));
        if (lastgamestitle_->sizeHint().width() <= lastgamestitle_->width()) {
            break;
        }
    }
    for (int px = kFiguresPx; px >= kSmallestFiguresPx; --px) {
        presentation_.setStyle(lastgamesfigures_, figuresStyle(px));
        if (lastgamesfigures_->heightForWidth(lastgamesfigures_->width()) <=
            lastgamesfigures_->height()) {
            return;
        }
    }
}

}  // namespace kestrel::ui
