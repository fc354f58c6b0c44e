#pragma once

#include <QString>

#include <optional>
#include <utility>

#include "Machine.h"
#include "PlayerRecord.h"
#include "SavedGame.h"
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
    // when longer. Money or a count that is there but cannot be used is reported to the store,
    // which keeps the file as it was before it is written over (SettingsStore::keepAsFound).
    void read(PlayerRecord& record) const;
    // Writes the record to the active slot; false when it did not reach storage. A snapshot
    // saved beside a different record text is no longer read: use save() while a game may be
    // in progress.
    [[nodiscard]] bool write(const PlayerRecord& record);
    // The stored name of slot 1 … 6 (empty when none), cut like a read name.
    QString slotName(int slot) const;
    // Makes `slot` active and returns its record, ready for Machine::switchPlayer. Credit,
    // statistics, free-spin count, speed, roll-up and name start from zero and empty; the
    // sound switch and payout setting carry over from `current` when the slot lacks them.
    // The record being left is not written.
    PlayerRecord switchTo(int slot, const PlayerRecord& current);

    // --- the game in progress, saved beside the record ---
    // A slot's snapshot lives in "game" followed by the slot digit, beside its record, and ends
    // with "check": a digest of the slot's record and snapshot text. Only a snapshot whose check
    // matches the text beside it is read, so one that was damaged or edited, or one left beside
    // a record written alone since (by write(), or by a program from before snapshots), counts
    // as nothing in progress: it can never pay twice what the record already holds.
    static QString gameSectionFor(const QString& playernumber);

    // A slot's last games live in "history" followed by the slot digit (SavedHistory.h). They
    // are not part of the check: a damaged history costs games from the history, never the
    // snapshot.
    static QString historySectionFor(const QString& playernumber);

    // Writes the machine's record, snapshot and history to the active slot and puts them into
    // lasting storage in one sync, so that they land together or not at all; false when the
    // sync failed (the store says why). Other slots are not touched.
    [[nodiscard]] bool save(const Machine& machine);
    // Reads the active slot's record over `record`, as read() does, with the snapshot and the
    // history saved beside it.
    SavedGame readSaved(PlayerRecord record) const;
    // Start of the program, as loadFirstSlot, except that a slot whose snapshot holds a game in
    // progress (the lowest, should there be several) becomes the active one: the player the
    // power was cut on finishes the game. A game in progress in another slot is left as it is
    // until that slot becomes active.
    SavedGame loadAtStartUp(PlayerRecord record);
    // switchTo with the new slot's snapshot and history.
    SavedGame switchToSaved(int slot, const PlayerRecord& current);
    // The store's trouble with the file, as SettingsStore::lastProblem().
    std::optional<StoreProblem> lastProblem() const { return store_.lastProblem(); }
    // The check the active slot's record and snapshot text have now.
    QString savedGameCheck() const;

private:
    void writeRecordKeys(const PlayerRecord& record);
    void readSnapshot(SavedGame& saved) const;
    void readHistory(SavedGame& saved) const;
    // The snapshot and the history beside the record of the active slot.
    void readBeside(SavedGame& saved) const;

    SettingsStore& store_;
    QString playernumber_ = QStringLiteral("1");
};

}  // namespace kestrel
