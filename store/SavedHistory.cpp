#include "SavedHistory.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <concepts>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "StoredNumber.h"

namespace kestrel {

namespace {

using Stage = RecordedFeature::Stage;
using Outcome = RecordedGamble::Outcome;

constexpr std::array<std::pair<const char*, Stage>, 3> kStages = {{
    {"running", Stage::Running},
    {"completed", Stage::Completed},
    {"taken", Stage::Taken},
}};
constexpr std::array<std::pair<const char*, Outcome>, 3> kOutcomes = {{
    {"open", Outcome::Open},
    {"collected", Outcome::Collected},
    {"lost", Outcome::Lost},
}};
// The letters of the calls, in the order of Call.
constexpr char kCalls[] = "RBHCDS";

void appendSpin(QString& out, const RecordedSpin& spin) {
    for (int reel = 0; reel < kReels; ++reel) {
        out += (reel == 0 ? u' ' : u'.') + QString::number(spin.stops[reel]);
    }
    out += u':' + QString::number(spin.pays);
}

// The words of a game's line, read one at a time; anything unexpected spoils the read.
class Words {
public:
    explicit Words(const QString& text) : words_(text.split(u' ', Qt::SkipEmptyParts)) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return next_ == words_.size(); }
    // Takes the next word when it is this one.
    bool takeIf(QStringView word) {
        if (!atEnd() && words_[next_] == word) {
            ++next_;
            return true;
        }
        return false;
    }
    QString take() {
        if (atEnd()) {
            ok_ = false;
            return {};
        }
        return words_[next_++];
    }
    template <std::integral T>
    void number(T& field) {
        const auto number = storedNumber<T>(take());
        ok_ = ok_ && number.has_value();
        field = number.value_or(0);
    }
    template <typename E, std::size_t N>
    void word(E& field, const StoredWords<E, N>& words) {
        const std::optional<E> value = storedWord(take(), words);
        ok_ = ok_ && value.has_value();
        field = value.value_or(field);
    }
    // Five stops and a pay, scored again at these lines and bet: the pay must be the engine's.
    RecordedSpin spin(int lines, int betPerLine) {
        const QStringList parts = take().split(u':');
        const QStringList stops = parts.value(0).split(u'.');
        const auto pays = storedNumber<std::int32_t>(parts.value(1));
        std::array<int, kReels> reels{};
        bool read = parts.size() == 2 && stops.size() == kReels && pays.has_value();
        for (int reel = 0; read && reel < kReels; ++reel) {
            const auto stop = storedNumber<int>(stops[reel]);
            read = stop.has_value();
            reels[reel] = stop.value_or(0);
        }
        std::optional<RecordedSpin> spin =
            read ? scoredSpin(reels, lines, betPerLine) : std::nullopt;
        ok_ = ok_ && spin && spin->pays == *pays;
        return spin.value_or(RecordedSpin{});
    }
    RecordedGuess guess() {
        const QString word = take();
        const char* call = word.size() == 2 ? std::strchr(kCalls, word[0].toLatin1()) : nullptr;
        const auto card = storedNumber<int>(word.sliced(std::min<qsizetype>(1, word.size())));
        ok_ = ok_ && call != nullptr && *call != '\0' && card.has_value();
        return {call != nullptr ? static_cast<Call>(call - kCalls) : Call::Red, card.value_or(0)};
    }

private:
    QStringList words_;
    qsizetype next_ = 0;
    bool ok_ = true;
};

}  // namespace

QString historyKey(int place) {
    return QStringLiteral("g%1").arg(place + 1, 2, 10, QLatin1Char('0'));
}

QString formatRecordedGame(const RecordedGame& game) {
    QString out = QStringLiteral("%1 %2 %3 %4 %5 %6")
                      .arg(game.time)
                      .arg(game.game)
                      .arg(game.lines)
                      .arg(game.betPerLine)
                      .arg(game.creditBefore)
                      .arg(game.creditAfter);
    appendSpin(out, game.spin);
    if (const auto& feature = game.feature) {
        out += QStringLiteral(" F %1 %2 %3 %4")
                   .arg(QLatin1String(wordOf(feature->stage, kStages)))
                   .arg(feature->awarded)
                   .arg(feature->played)
                   .arg(feature->total);
        for (const RecordedSpin& spin : feature->spins) {
            appendSpin(out, spin);
        }
    }
    if (const auto& gamble = game.gamble) {
        out += QStringLiteral(" G %1 %2 %3 %4")
                   .arg(QLatin1String(wordOf(gamble->outcome, kOutcomes)))
                   .arg(gamble->staked)
                   .arg(gamble->amount)
                   .arg(gamble->guessCount);
        for (const RecordedGuess& guess : gamble->guesses) {
            out += u' ';
            out += QLatin1Char(kCalls[static_cast<int>(guess.call)]);
            out += QString::number(guess.card);
        }
    }
    return out;
}

std::optional<RecordedGame> parseRecordedGame(const QString& text) {
    Words words(text);
    RecordedGame game;
    words.number(game.time);
    words.number(game.game);
    words.number(game.lines);
    words.number(game.betPerLine);
    words.number(game.creditBefore);
    words.number(game.creditAfter);
    game.spin = words.spin(game.lines, game.betPerLine);
    if (words.ok() && words.takeIf(u"F")) {
        RecordedFeature& feature = game.feature.emplace();
        words.word(feature.stage, kStages);
        words.number(feature.awarded);
        words.number(feature.played);
        words.number(feature.total);
        for (int i = 0; words.ok() && i < std::min(feature.played, RecordedFeature::kKeptSpins);
             ++i) {
            feature.spins.push_back(words.spin(game.lines, game.betPerLine));
        }
    }
    if (words.ok() && words.takeIf(u"G")) {
        RecordedGamble& gamble = game.gamble.emplace();
        words.word(gamble.outcome, kOutcomes);
        words.number(gamble.staked);
        words.number(gamble.amount);
        words.number(gamble.guessCount);
        for (int i = 0; words.ok() && i < std::min(gamble.guessCount, RecordedGamble::kKeptGuesses);
             ++i) {
            gamble.guesses.push_back(words.guess());
        }
    }
    if (!words.ok() || !words.atEnd() || !couldHaveBeenPlayed(game)) {
        return std::nullopt;
    }
    return game;
}

void writeHistory(SettingsStore& store, const QString& section, const GameHistory& history) {
    store.setValue(section, QStringLiteral("version"), QLatin1String(kHistoryVersion));
    const auto& games = history.entries();
    for (int place = 0; place < GameHistory::kGames; ++place) {
        const QString key = historyKey(place);
        if (place < std::ssize(games)) {
            store.setValue(section, key, formatRecordedGame(games[place]));
        } else if (!store.value(section, key).isEmpty()) {
            store.setValue(section, key, QString());
        }
    }
}

namespace {

// Whether play can have kept `later` after `earlier`: each game is numbered with the record's
// count of games, which only grows, so the games kept are numbered upwards; only a count at its
// limit, which stops counting, repeats one.
bool mayFollow(const RecordedGame& earlier, const RecordedGame& later) {
    return later.game > earlier.game ||
           (later.game == earlier.game && later.game == std::numeric_limits<std::int32_t>::max());
}

// How good a run of games in play's order is: the more games the better, then the more of them
// numbered as their place says (the newest line the record's count, each line before it one
// less).
struct Run {
    int games = 0;
    int inPlace = 0;
    auto operator<=>(const Run&) const = default;
    Run operator+(const Run& other) const { return {games + other.games, inPlace + other.inPlace}; }
    Run operator-(const Run& other) const { return {games - other.games, inPlace - other.inPlace}; }
};

}  // namespace

ReadHistory readHistory(const SettingsStore& store, const QString& section,
                        std::int32_t gamesPlayed) {
    ReadHistory read;
    const bool known =
        store.value(section, QStringLiteral("version")) == QLatin1String(kHistoryVersion);
    struct Line {
        int place = 0;
        RecordedGame game;
    };
    std::vector<Line> lines;  // the lines that read as games the record has played, from 1 on
    int lastPlace = -1;
    for (int place = 0; place < GameHistory::kGames; ++place) {
        const QString text = store.value(section, historyKey(place));
        if (text.isEmpty()) {
            continue;
        }
        lastPlace = place;
        std::optional<RecordedGame> game = known ? parseRecordedGame(text) : std::nullopt;
        if (game && game->game >= 1 && game->game <= gamesPlayed) {
            lines.push_back({place, std::move(*game)});
        } else {
            ++read.skipped;
        }
    }
    // A line copied, moved or renumbered stands out of play's order. Taken one by one against
    // the line before, it would cost every game after it; instead the longest run in order is
    // taken, so it costs its own game only. Between runs as long, the one with more games where
    // play put them wins, then the one of earlier lines.
    const int count = static_cast<int>(lines.size());
    const auto own = [&](int i) {
        const std::int64_t inPlace = std::int64_t{gamesPlayed} - (lastPlace - lines[i].place);
        return Run{1, lines[i].game.game == inPlace ? 1 : 0};
    };
    std::vector<Run> best(lines.size());  // the best run that starts with each line
    for (int i = count - 1; i >= 0; --i) {
        best[i] = own(i);
        for (int j = i + 1; j < count; ++j) {
            if (mayFollow(lines[i].game, lines[j].game)) {
                best[i] = std::max(best[i], own(i) + best[j]);
            }
        }
    }
    Run wanted = count > 0 ? *std::max_element(best.begin(), best.end()) : Run{};
    const RecordedGame* before = nullptr;
    for (int i = 0; i < count; ++i) {
        if (wanted.games > 0 && best[i] == wanted &&
            (before == nullptr || mayFollow(*before, lines[i].game))) {
            before = &lines[i].game;
            wanted = wanted - own(i);
            read.history.add(lines[i].game);
        } else {
            ++read.skipped;
        }
    }
    return read;
}

}  // namespace kestrel
