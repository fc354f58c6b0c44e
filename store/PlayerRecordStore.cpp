#include "PlayerRecordStore.h"

#include <string>
#include <type_traits>

#include "PlayerName.h"
#include "StoredNumber.h"

namespace kestrel {

namespace {

// Visits the record's fields with their keys, in the order every read and write uses.
template <typename Record, typename Visit>
void forEachField(Record& record, Visit&& visit) {
    visit("howmanyspins", record.howmanyspins);
    visit("soundonoff", record.soundonoff);
    visit("machinepay", record.machinepay);
    visit("winroll", record.winroll);
    visit("reelspeed", record.reelspeed);
    visit("amountinvested", record.amountinvested);
    visit("wager", record.wager);
    visit("total", record.total);
    visit("bank", record.bank);
    visit("games", record.games);
    visit("currentplayer", record.currentplayer);
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

PlayerRecord PlayerRecordStore::loadFirstSlot(PlayerRecord record) {
    playernumber_ = QStringLiteral("1");
    if (record.machinepay == 0) {
        record.machinepay = 7;
    }
    read(record);
    return record;
}

void PlayerRecordStore::read(PlayerRecord& record) const {
    const QString section = sectionFor(playernumber_);
    forEachField(record, [&](const char* key, auto& field) {
        const QString text = store_.value(section, QLatin1String(key));
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (kIsName<Field>) {
            field = limitName(text).toStdString();
        } else if (const auto number = storedNumber<Field>(text)) {
            field = *number;
        }
    });
}

bool PlayerRecordStore::write(const PlayerRecord& record) {
    const QString section = sectionFor(playernumber_);
    forEachField(record, [&](const char* key, const auto& field) {
        if constexpr (kIsName<decltype(field)>) {
            store_.setValue(section, QLatin1String(key), QString::fromStdString(field));
        } else {
            store_.setValue(section, QLatin1String(key), QString::number(field));
        }
    });
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

}  // namespace kestrel
