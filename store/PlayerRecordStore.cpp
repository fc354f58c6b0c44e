#include "PlayerRecordStore.h"

#include <string>
#include <type_traits>

#include <QByteArray>

#include "PayoutLevel.h"
#include "PlayerName.h"
#include "ReelSpeed.h"
#include "SavedHistory.h"
#include "StoredNumber.h"

namespace kestrel {

namespace {

// The values the program itself writes into each field. Anything else was put into the file by
// hand and is read like text that is not a number.
constexpr bool isCount(std::int64_t value) {
    return value >= 0;
}
constexpr bool isSoundSwitch(std::int64_t value) {
    return value == PlayerRecord::kTrue || value == 0;
}
constexpr bool isRollUpSwitch(std::int64_t value) {
    return value == 0 || value == 1;
}
constexpr bool isReelSpeed(std::int64_t value) {
    return value == 0 || value == kFastReels || value == kSlowReels;
}
constexpr bool anyName(const std::string&) {
    return true;
}

// Visits the record's fields with their keys and the values they can hold, in the order every
// read and write uses.
template <typename Record, typename Visit>
void forEachField(Record& record, Visit&& visit) {
    visit("howmanyspins", record.howmanyspins, isCount);
    visit("soundonoff", record.soundonoff, isSoundSwitch);
    visit("machinepay", record.machinepay, isPayoutLevel);
    visit("winroll", record.winroll, isRollUpSwitch);
    visit("reelspeed", record.reelspeed, isReelSpeed);
    visit("amountinvested", record.amountinvested, isCount);
    visit("wager", record.wager, isCount);
    visit("total", record.total, isCount);
    visit("bank", record.bank, isCount);
    visit("games", record.games, isCount);
    visit("currentplayer", record.currentplayer, anyName);
}

template <typename Field>
constexpr bool kIsName = std::is_same_v<std::remove_cvref_t<Field>, std::string>;

}  // namespace

QString PlayerRecordStore::sectionFor(const QString& playernumber) {
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (playernumber == QString::number(slot)) {
            return QStringLiteral("player") + playernumber;
        }
    }
    return QStringLiteral("player");
}

namespace {

// A program that has never chosen a payout starts at the realistic one.
PlayerRecord withStartPayout(PlayerRecord record) {
    if (record.machinepay == 0) {
        record.machinepay = machinepayOf(Payout::Realistic);
    }
    return record;
}

}  // namespace

PlayerRecord PlayerRecordStore::loadFirstSlot(PlayerRecord record) {
    playernumber_ = QStringLiteral("1");
    record = withStartPayout(std::move(record));
    read(record);
    return record;
}

void PlayerRecordStore::read(PlayerRecord& record) const {
    const QString section = sectionFor(playernumber_);
    forEachField(record, [&](const char* key, auto& field, auto possible) {
        const QString text = store_.value(section, QLatin1String(key));
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (kIsName<Field>) {
            field = limitName(text).toStdString();
        } else if (const auto number = storedNumber<Field>(text); number && possible(*number)) {
            field = *number;
        } else if (possible == isCount && !text.isEmpty()) {
            // Money or a count the game cannot use is written over at the next save: the file
            // as it was is kept, so a hand edit gone wrong costs the player nothing for good.
            store_.keepAsFound(QStringLiteral("the value of %1 in [%2] is not one this game writes")
                                   .arg(QLatin1String(key), section));
        }
    });
}

void PlayerRecordStore::writeRecordKeys(const PlayerRecord& record) {
    const QString section = sectionFor(playernumber_);
    forEachField(record, [&](const char* key, const auto& field, auto) {
        if constexpr (kIsName<decltype(field)>) {
            store_.setValue(section, QLatin1String(key), QString::fromStdString(field));
        } else {
            store_.setValue(section, QLatin1String(key), QString::number(field));
        }
    });
}

bool PlayerRecordStore::write(const PlayerRecord& record) {
    writeRecordKeys(record);
    return store_.sync();
}

QString PlayerRecordStore::slotName(int slot) const {
    return limitName(
        store_.value(sectionFor(QString::number(slot)), QStringLiteral("currentplayer")));
}

PlayerRecord PlayerRecordStore::switchTo(int slot, const PlayerRecord& current) {
    playernumber_ = QString::number(slot);
    PlayerRecord next;
    next.soundonoff = current.soundonoff;
    next.machinepay = current.machinepay;
    read(next);
    return next;
}

QString PlayerRecordStore::gameSectionFor(const QString& playernumber) {
    return sectionFor(playernumber).replace(QStringLiteral("player"), QStringLiteral("game"));
}

QString PlayerRecordStore::historySectionFor(const QString& playernumber) {
    return sectionFor(playernumber).replace(QStringLiteral("player"), QStringLiteral("history"));
}

// FNV-1a over "section/key=value" lines of the record's keys, then the snapshot's: any changed,
// added or removed character changes it, with no secret to it: it tells damage and edits from
// what this program saved, not a forger from the program.
QString PlayerRecordStore::savedGameCheck() const {
    std::uint64_t hash = 14695981039346656037ULL;
    const auto add = [&](const QString& section, const char* key) {
        const QByteArray line = (section + u'/' + QLatin1String(key) + u'=' +
                                 store_.value(section, QLatin1String(key)) + u'\n')
                                    .toUtf8();
        for (const char c : line) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
    };
    const QString recordSection = sectionFor(playernumber_);
    const PlayerRecord keysOnly;
    forEachField(keysOnly, [&](const char* key, const auto&, auto) { add(recordSection, key); });
    const QString gameSection = gameSectionFor(playernumber_);
    for (const char* key : kSnapshotKeys) {
        add(gameSection, key);
    }
    return QString::number(hash, 16).rightJustified(16, u'0');
}

bool PlayerRecordStore::save(const Machine& machine) {
    writeRecordKeys(machine.player());
    const QString section = gameSectionFor(playernumber_);
    writeSnapshot(store_, section, machine.snapshot());
    store_.setValue(section, QStringLiteral("check"), savedGameCheck());
    writeHistory(store_, historySectionFor(playernumber_), machine.history());
    return store_.sync();
}

void PlayerRecordStore::readSnapshot(SavedGame& saved) const {
    const QString section = gameSectionFor(playernumber_);
    const QString check = store_.value(section, QStringLiteral("check"));
    if (check.isEmpty()) {
        return;
    }
    std::optional<GameSnapshot> snapshot = parseSnapshot(store_, section);
    if (check == savedGameCheck()) {
        saved.snapshot = std::move(snapshot);
        saved.snapshotRefused = !saved.snapshot;
    } else {
        // A record edited by hand, or written alone since, no longer fits its snapshot. That is
        // damage to report only where the snapshot owed the player something; one at rest is
        // simply not taken.
        saved.snapshotRefused = !snapshot || snapshot->inProgress();
    }
}

void PlayerRecordStore::readHistory(SavedGame& saved) const {
    ReadHistory read =
        kestrel::readHistory(store_, historySectionFor(playernumber_), saved.record.games);
    saved.history = std::move(read.history);
    saved.historySkipped = read.skipped;
}

void PlayerRecordStore::readBeside(SavedGame& saved) const {
    readSnapshot(saved);
    readHistory(saved);
}

SavedGame PlayerRecordStore::readSaved(PlayerRecord record) const {
    SavedGame saved;
    read(record);
    saved.record = std::move(record);
    readBeside(saved);
    return saved;
}

SavedGame PlayerRecordStore::loadAtStartUp(PlayerRecord record) {
    QString active = QStringLiteral("1");
    for (int slot = 1; slot <= kSlots; ++slot) {
        playernumber_ = QString::number(slot);
        SavedGame saved;
        readSnapshot(saved);
        if (saved.snapshot && saved.snapshot->inProgress()) {
            active = playernumber_;
            break;
        }
    }
    playernumber_ = active;
    return readSaved(withStartPayout(std::move(record)));
}

SavedGame PlayerRecordStore::switchToSaved(int slot, const PlayerRecord& current) {
    SavedGame saved;
    saved.record = switchTo(slot, current);
    readBeside(saved);
    return saved;
}

}  // namespace kestrel
