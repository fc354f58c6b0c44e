#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "GameHistory.h"
#include "SettingsStore.h"

namespace kestrel {

// The history of a slot lives in the section "history1" … "history6" beside its record and
// snapshot: "version" (this layout is "1"), then one key per game, "g01" the oldest … "g25",
// each one line of words separated by single blanks:
//
//   TIME GAME LINES BET BEFORE AFTER SPIN [F STAGE AWARDED PLAYED TOTAL SPIN…]
//                                         [G OUTCOME STAKED AMOUNT GUESSES GUESS…]
//
// A SPIN is its five stops and what it paid, "2.3.1.1.1:20"; its winning lines, specials and
// scatter pay are what the engine scores those stops at. The feature ("F") has its stage
// (running, completed or taken) and as many SPINs as it kept; the gamble ("G") its outcome
// (open, collected or lost) and as many GUESSes as it kept, each the call (R red, B black, or a
// suit: H, C, D, S) and the card drawn 1..4, e.g. "R1". A key with nothing in it holds no game.
//
// A game's line is at most about 1.4 KB (50 free spins, 32 guesses, every number at its widest),
// so a slot's history stays under 35 KB and six of them under a fifth of the records file's
// limit. Played games take far less: some 45 bytes, 13 more for each free spin kept and 3 for
// each guess.
//
// What is read is taken game by game: a line that does not read as above, holds a spin whose
// stops do not score what it says it paid, or a game no play records (couldHaveBeenPlayed) is
// skipped, and the games beside it stand. A section of another version is skipped whole. The
// record and the snapshot are read apart from the history: nothing here reaches the credit.

inline constexpr char kHistoryVersion[] = "1";

// "g01" … "g25": where the game at this place, 0 the oldest, is kept.
QString historyKey(int place);

QString formatRecordedGame(const RecordedGame& game);
std::optional<RecordedGame> parseRecordedGame(const QString& text);

// Writes the version and every game of the history into the section, and empties the keys of
// games it no longer holds; nothing is synced.
void writeHistory(SettingsStore& store, const QString& section, const GameHistory& history);

struct ReadHistory {
    GameHistory history;
    int skipped = 0;  // games that were there but could not be taken
};
// Reads the games of the section, oldest first, for a record that has played `gamesPlayed`. A
// line that does not parse, or that play could not have put where it is (a game numbered above
// the record's count or below 1, or out of the order play numbers its games: a line copied, moved
// or renumbered), is skipped. Of lines out of order, as few as can be are skipped: the longest run
// in order is kept, so one line out of its place never costs the games beside it.
ReadHistory readHistory(const SettingsStore& store, const QString& section,
                        std::int32_t gamesPlayed);

}  // namespace kestrel
