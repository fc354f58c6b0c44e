#pragma once

#include <QString>
#include <vector>

#include "GameHistory.h"

namespace kestrel::ui {

// One page of the last games: a paid game (freeSpin 0) or one of the free spins it won (1..).
struct HistoryPage {
    int game = 0;  // index into the history's entries, oldest first
    int freeSpin = 0;
    bool operator==(const HistoryPage&) const = default;
};

// Every page of the history in the order it was played: each paid game, then the free spins
// its feature kept.
std::vector<HistoryPage> historyPages(const GameHistory& history);

// The spin a page shows.
const RecordedSpin& spinOf(const GameHistory& history, const HistoryPage& page);

// The paylines that won on the page's spin, in line order.
std::vector<int> winningLines(const RecordedSpin& spin);

// What the page says in words: its title (which game, when, and its place among those kept),
// then a line each for the bet and where the reels stopped, what won, the credit before and
// after, and what followed (free spins, a gamble).
struct PageText {
    QString title;
    QString figures;
};
PageText describePage(const GameHistory& history, const HistoryPage& page);

// The most line wins a page names one by one; the rest are counted, as their lines are drawn.
inline constexpr int kNamedLineWins = 6;
// The gamble's guesses named on a page; the count says how many there were in all.
inline constexpr int kNamedGuesses = 8;

}  // namespace kestrel::ui
