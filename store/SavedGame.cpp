#include "SavedGame.h"

#include <QStringList>

#include <concepts>
#include <utility>

#include "StoredNumber.h"

namespace kestrel {

namespace {

constexpr char kVersion[] = "1";

constexpr std::array<std::pair<const char*, MachinePhase>, 3> kPhases = {{
    {"idle", MachinePhase::Idle},
    {"spinning", MachinePhase::Spinning},
    {"gamble", MachinePhase::Gamble},
}};
constexpr std::array<std::pair<const char*, FreeSpins::State>, 3> kFeatureStates = {{
    {"none", FreeSpins::State::None},
    {"running", FreeSpins::State::Running},
    {"completed", FreeSpins::State::Completed},
}};

template <typename Numbers>
QString listOf(const Numbers& numbers, int count) {
    QStringList parts;
    for (int i = 0; i < count; ++i) {
        parts.append(QString::number(numbers[i]));
    }
    return parts.join(u' ');
}

// Reads the section's values one key at a time; a value that is missing or not one the writer
// writes there spoils the whole read.
class Reader {
public:
    Reader(const SettingsStore& store, const QString& section) : store_(store), section_(section) {}

    bool ok() const { return ok_; }
    QString text(const char* key) const { return store_.value(section_, QLatin1String(key)); }

    template <std::integral T>
    void number(const char* key, T& field) {
        if (const auto number = storedNumber<T>(text(key))) {
            field = *number;
        } else {
            ok_ = false;
        }
    }
    void flag(const char* key, bool& field) {
        const QString value = text(key);
        ok_ = ok_ && (value == u"0" || value == u"1");
        field = value == u"1";
    }
    template <typename E, std::size_t N>
    void word(const char* key, E& field, const StoredWords<E, N>& words) {
        const std::optional<E> value = storedWord(text(key), words);
        ok_ = ok_ && value.has_value();
        field = value.value_or(field);
    }
    // Up to numbers.size() numbers separated by blanks; how many there were.
    template <typename Numbers>
    int list(const char* key, Numbers& numbers) {
        const QStringList parts = text(key).split(u' ', Qt::SkipEmptyParts);
        if (parts.size() > qsizetype(numbers.size())) {
            ok_ = false;
            return 0;
        }
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const auto number = storedNumber<int>(parts[i]);
            ok_ = ok_ && number.has_value();
            numbers[i] = number.value_or(0);
        }
        return int(parts.size());
    }

private:
    const SettingsStore& store_;
    const QString& section_;
    bool ok_ = true;
};

}  // namespace

void writeSnapshot(SettingsStore& store, const QString& section, const GameSnapshot& snapshot) {
    const auto put = [&](const char* key, const QString& value) {
        store.setValue(section, QLatin1String(key), value);
    };
    const auto number = [](std::int64_t value) { return QString::number(value); };
    const DecidedSpin spin = snapshot.lastSpin.value_or(DecidedSpin{});
    put("version", QLatin1String(kVersion));
    put("phase", wordOf(snapshot.phase, kPhases));
    put("lines", number(snapshot.linesPlayed));
    put("bet", number(snapshot.betPerLine));
    put("spin", snapshot.lastSpin ? listOf(spin.stops, kReels) : QString());
    put("spinlines", number(spin.lines));
    put("spinbet", number(spin.betPerLine));
    put("spinfree", number(spin.free ? 1 : 0));
    put("spinpays", number(spin.pays));
    put("feature", wordOf(snapshot.featureState, kFeatureStates));
    put("awarded", number(snapshot.awarded));
    put("played", number(snapshot.played));
    put("featurewin", number(snapshot.featureWin));
    put("atrisk", number(snapshot.atRisk));
    put("staked", number(snapshot.staked));
    put("cardsdrawn", number(snapshot.cards.count));
    put("cards", listOf(snapshot.cards.last, snapshot.cards.kept()));
    put("heldwin", number(snapshot.heldFeatureWin));
    put("gambleoffered", number(snapshot.gambleOffered ? 1 : 0));
    put("coins", number(snapshot.coinsPending));
}

std::optional<GameSnapshot> parseSnapshot(const SettingsStore& store, const QString& section) {
    Reader read(store, section);
    if (read.text("version") != QLatin1String(kVersion)) {
        return std::nullopt;
    }
    GameSnapshot snapshot;
    DecidedSpin spin;
    read.word("phase", snapshot.phase, kPhases);
    read.number("lines", snapshot.linesPlayed);
    read.number("bet", snapshot.betPerLine);
    const int stops = read.list("spin", spin.stops);
    read.number("spinlines", spin.lines);
    read.number("spinbet", spin.betPerLine);
    read.flag("spinfree", spin.free);
    read.number("spinpays", spin.pays);
    read.word("feature", snapshot.featureState, kFeatureStates);
    read.number("awarded", snapshot.awarded);
    read.number("played", snapshot.played);
    read.number("featurewin", snapshot.featureWin);
    read.number("atrisk", snapshot.atRisk);
    read.number("staked", snapshot.staked);
    read.number("cardsdrawn", snapshot.cards.count);
    const int cards = read.list("cards", snapshot.cards.last);
    read.number("heldwin", snapshot.heldFeatureWin);
    read.flag("gambleoffered", snapshot.gambleOffered);
    read.number("coins", snapshot.coinsPending);
    // No spin is written as no stops and zeroes; five stops are a spin.
    if (stops == kReels) {
        snapshot.lastSpin = spin;
    } else if (stops != 0 || spin != DecidedSpin{}) {
        return std::nullopt;
    }
    if (!read.ok() || cards != snapshot.cards.kept()) {
        return std::nullopt;
    }
    return snapshot;
}

TakenUp takeUp(Machine& machine, const SavedGame& saved, int lines, int betPerLine) {
    const Resumption resumed = machine.resume(saved.record, saved.snapshot, saved.history);
    if (resumed == Resumption::AsSaved && saved.snapshot->inProgress()) {
        return TakenUp::InProgress;
    }
    machine.declineGamble();
    (void)machine.setLinesPlayed(lines);
    (void)machine.setBetPerLine(betPerLine);
    return saved.snapshotRefused || resumed == Resumption::Refused ? TakenUp::Damaged
                                                                   : TakenUp::AtRest;
}

}  // namespace kestrel
