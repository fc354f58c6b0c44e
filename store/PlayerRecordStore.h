#pragma once

#include <QString>

#include <utility>

#include "PlayerRecord.h"
#include "SettingsStore.h"

namespace kestrel {

// The six player records in the settings store, and which of them is active. A record lives in
// the section "player1" … "player6" under the keys "howmanyspins", "soundonoff", "machinepay",
// "winroll", "reelspeed", "amountinvested", "wager", "total", "bank", "games" and
// "currentplayer", handled in that order; numbers are stored as plain decimal text.
class PlayerRecordStore {
public:
    static constexpr int kSlots = 6;

    explicit PlayerRecordStore(SettingsStore& store) : store_(store) {}

    // The active slot's number as text; "1" until another slot is picked.
    const QString& playernumber() const { return playernumber_; }
    void setPlayernumber(QString playernumber) { playernumber_ = std::move(playernumber); }
    // "player" followed by playernumber when it is one of "1" … "6", else plain "player".
    static QString sectionFor(const QString& playernumber);

    // Start of the program: slot 1 becomes active, a machinepay of 0 becomes 7, and slot 1's
    // record is read over the given one.
    PlayerRecord loadFirstSlot(PlayerRecord record);
    // Reads the active slot's record over `record`. A number that is missing, not a whole
    // number or not one the program writes there leaves the field as it was: money and counts
    // are never negative, the payout is 7 or 4, sound -1 or 0, roll-up 0 or 1 and reel speed 0,
    // 1 or 2. The name reads as empty text when missing and is cut to its first 12 characters
    // when longer.
    void read(PlayerRecord& record) const;
    // Writes the record to the active slot; false when it did not reach storage.
    [[nodiscard]] bool write(const PlayerRecord& record);
    // The stored name of slot 1 … 6 (empty when none), cut like a read name.
    QString slotName(int slot) const;
    // Makes `slot` active and returns its record, ready for Machine::switchPlayer. Credit,
    // statistics, free-spin count, speed, roll-up and name start from zero and empty; the
    // sound switch and payout setting carry over from `current` when the slot lacks them.
    // The record being left is not written.
    PlayerRecord switchTo(int slot, const PlayerRecord& current);

private:
    SettingsStore& store_;
    QString playernumber_ = QStringLiteral("1");
};

}  // namespace kestrel
