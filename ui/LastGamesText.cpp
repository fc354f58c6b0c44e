#include "LastGamesText.h"

#include <QDateTime>
#include <QStringList>

#include "Money.h"

namespace kestrel::ui {

namespace {

QString credits(std::int64_t amount) {
    return QStringLiteral("%1 (%2)").arg(amount).arg(QString::fromStdString(dollars(amount)));
}

// A time the history cannot have written (none, or past what a date can say) is not known.
QString when(std::int64_t seconds) {
    const QDateTime time = seconds > 0 ? QDateTime::fromSecsSinceEpoch(seconds) : QDateTime();
    if (!time.isValid()) {
        return QStringLiteral("time not known");
    }
    return time.toString(QStringLiteral("d MMM yyyy, HH:mm:ss"));
}

QString stops(const RecordedSpin& spin) {
    QStringList numbers;
    for (const int stop : spin.stops) {
        numbers << QString::number(stop);
    }
    return numbers.join(QStringLiteral(", "));
}

QString wins(const RecordedSpin& spin) {
    QStringList parts;
    const int wins = static_cast<int>(spin.lineWins.size());
    for (int i = 0; i < wins && i < kNamedLineWins; ++i) {
        const LineWin& win = spin.lineWins[static_cast<size_t>(i)];
        parts << QStringLiteral("line %1: %2 in a row pays %3")
                     .arg(win.line)
                     .arg(win.count)
                     .arg(win.pays);
    }
    if (wins > kNamedLineWins) {
        std::int64_t rest = 0;
        for (int i = kNamedLineWins; i < wins; ++i) {
            rest += spin.lineWins[static_cast<size_t>(i)].pays;
        }
        const int more = wins - kNamedLineWins;
        parts << (more == 1 ? QStringLiteral("1 more line pays %1").arg(rest)
                            : QStringLiteral("%1 more lines pay %2").arg(more).arg(rest));
    }
    if (spin.scatterPays > 0) {
        parts << QStringLiteral("%1 scatters or wilds pay %2")
                     .arg(spin.specials)
                     .arg(spin.scatterPays);
    }
    if (parts.isEmpty()) {
        return QStringLiteral("No win");
    }
    return QStringLiteral("Won %1: ").arg(spin.pays) + parts.join(QStringLiteral(" · "));
}

// The suits in the order of the cards 1..4 and of the suit calls.
constexpr const char* kSuits[] = {"hearts", "clubs", "diamonds", "spades"};

QString callName(Call call) {
    switch (call) {
        case Call::Red:
            return QStringLiteral("red");
        case Call::Black:
            return QStringLiteral("black");
        default:
            return QLatin1String(kSuits[static_cast<int>(call) - static_cast<int>(Call::Hearts)]);
    }
}

QString cardName(int card) {
    if (card < 1 || card > 4) {
        return QStringLiteral("?");
    }
    return QStringLiteral("ace of ") + QLatin1String(kSuits[card - 1]);
}

QString feature(const RecordedFeature& f) {
    const char* stage = f.stage == RecordedFeature::Stage::Running     ? "still running"
                        : f.stage == RecordedFeature::Stage::Completed ? "waiting to be taken"
                                                                       : "taken";
    return QStringLiteral("Free spins: %1 of %2 played, feature total %3, %4")
        .arg(f.played)
        .arg(f.awarded)
        .arg(f.total)
        .arg(QLatin1String(stage));
}

// The outcome comes first, then the guesses: the first few, and the count of all when there
// were more. A long gamble would otherwise push what the player took home out of the box.
QString gamble(const RecordedGamble& g) {
    const QString outcome = g.outcome == RecordedGamble::Outcome::Lost ? QStringLiteral("lost")
                            : g.outcome == RecordedGamble::Outcome::Collected
                                ? QStringLiteral("collected %1").arg(g.amount)
                                : QStringLiteral("still open, %1 at stake").arg(g.amount);
    QStringList guesses;
    for (const RecordedGuess& guess : g.guesses) {
        if (guesses.size() == kNamedGuesses) {
            break;
        }
        guesses << QStringLiteral("%1, %2 %3")
                       .arg(callName(guess.call), cardName(guess.card),
                            guess.won() ? QStringLiteral("right") : QStringLiteral("wrong"));
    }
    if (g.guessCount > guesses.size()) {
        guesses << QStringLiteral("… %1 guesses in all").arg(g.guessCount);
    }
    return QStringLiteral("Gamble of %1, %2: %3")
        .arg(g.staked)
        .arg(outcome, guesses.isEmpty() ? QStringLiteral("no card drawn")
                                        : guesses.join(QStringLiteral("; ")));
}

}  // namespace

std::vector<HistoryPage> historyPages(const GameHistory& history) {
    std::vector<HistoryPage> pages;
    const auto& games = history.entries();
    for (int g = 0; g < static_cast<int>(games.size()); ++g) {
        pages.push_back({g, 0});
        if (const auto& f = games[static_cast<size_t>(g)].feature) {
            for (int s = 1; s <= static_cast<int>(f->spins.size()); ++s) {
                pages.push_back({g, s});
            }
        }
    }
    return pages;
}

const RecordedSpin& spinOf(const GameHistory& history, const HistoryPage& page) {
    const RecordedGame& game = history.entries()[static_cast<size_t>(page.game)];
    return page.freeSpin == 0 ? game.spin
                              : game.feature->spins[static_cast<size_t>(page.freeSpin - 1)];
}

std::vector<int> winningLines(const RecordedSpin& spin) {
    std::vector<int> lines;
    for (const LineWin& win : spin.lineWins) {
        lines.push_back(win.line);
    }
    return lines;
}

PageText describePage(const GameHistory& history, const HistoryPage& page) {
    const RecordedGame& game = history.entries()[static_cast<size_t>(page.game)];
    const RecordedSpin& spin = spinOf(history, page);
    const int kept = static_cast<int>(history.entries().size());
    QStringList lines;
    QString title = QStringLiteral("Game %1").arg(game.game);
    if (page.freeSpin > 0) {
        title +=
            QStringLiteral(", free spin %1 of %2").arg(page.freeSpin).arg(game.feature->played);
    }
    title = QStringLiteral("%1 — %2 — %3 of the last %4")
                .arg(title, when(game.time))
                .arg(page.game + 1)
                .arg(kept);
    lines << QStringLiteral("%1 %2 × %3 = %4 · reels stopped at %5")
                 .arg(game.lines)
                 .arg(game.lines == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
                 .arg(game.betPerLine)
                 .arg(page.freeSpin > 0 ? QStringLiteral("free") : QString::number(game.totalBet()),
                      stops(spin));
    lines << wins(spin);
    if (page.freeSpin == 0) {
        lines << QStringLiteral("Credit %1 before, %2 after")
                     .arg(credits(game.creditBefore), credits(game.creditAfter));
    }
    if (game.feature) {
        lines << feature(*game.feature);
    }
    if (game.gamble && page.freeSpin == 0) {
        lines << gamble(*game.gamble);
    }
    return {title, lines.join(u'\n')};
}

}  // namespace kestrel::ui
