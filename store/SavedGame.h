#pragma once

#include <QString>

#include <array>
#include <optional>

#include "GameHistory.h"
#include "GameSnapshot.h"
#include "Machine.h"
#include "PlayerRecord.h"
#include "SettingsStore.h"

namespace kestrel {

// A player's record with the game that was in progress beside it, as read back.
struct SavedGame {
    PlayerRecord record;
    // The snapshot saved together with this record; nothing when none was saved (a file from
    // before snapshots, or a record written alone since) or when it could not be read.
    std::optional<GameSnapshot> snapshot;
    // A snapshot was there but not trusted: damaged, edited by hand, or saved with a record that
    // has changed since, while it had a game in progress (one at rest is simply not taken). The
    // record is read as usual; nothing is in progress.
    bool snapshotRefused = false;
    // The player's last games, as far as they could be read (SavedHistory.h), and how many
    // were there but could not be.
    GameHistory history;
    int historySkipped = 0;
};

// The snapshot of a slot lives in the section "game1" … "game6" beside "player1" … "player6",
// under these keys, in this order; "check" follows them. Numbers are plain decimal text, a yes
// or no is 1 or 0, the stops and the cards are numbers separated by blanks.
// "version" names this layout, so that a later one is not misread.
inline constexpr std::array<const char*, 20> kSnapshotKeys = {
    "version",  "phase",      "lines",   "bet",     "spin",          "spinlines",  "spinbet",
    "spinfree", "spinpays",   "feature", "awarded", "played",        "featurewin", "atrisk",
    "staked",   "cardsdrawn", "cards",   "heldwin", "gambleoffered", "coins"};

// What taking up a saved game came to.
enum class TakenUp {
    AtRest,      // nothing was in progress: a fresh start at the lines and bet asked for
    InProgress,  // the machine stands where the game was left, to be played on
    Damaged,     // the saved game could not be trusted: the record alone, at rest
};

// Puts the machine where the saved game left it when something was in progress there (a spin
// decided, a feature, a gamble, coins). A game at rest starts afresh instead: at these lines and
// bet per line, with no win left on offer to the gamble. The saved history is the machine's
// either way.
TakenUp takeUp(Machine& machine, const SavedGame& saved, int lines, int betPerLine);

// Writes the snapshot's keys (not "check") into the section; nothing is synced.
void writeSnapshot(SettingsStore& store, const QString& section, const GameSnapshot& snapshot);
// Reads the snapshot's keys from the section; nothing when one is missing or holds a value
// writeSnapshot does not write there. Whether the values make sense together is the machine's
// to judge when it resumes.
std::optional<GameSnapshot> parseSnapshot(const SettingsStore& store, const QString& section);

}  // namespace kestrel
