#pragma once

#include <QString>

#include <optional>

namespace kestrel {

// Why the records could not be read or saved: which file, and the cause in a player's words.
struct StoreProblem {
    QString file;
    QString reason;  // "the disk is full", "there is no permission to read it", …
    bool whileWriting = false;
    bool partlyRead = false;  // the file was read but some of its lines make no sense
    // Nothing was read from the file in this session, so nothing is saved there before the next
    // one; else the saves wait only until it can be read again.
    bool forTheSession = true;

    // The words for a message box and standard error, e.g. "Could not save the player
    // records to /home/x/.config/kestrelslot/kestrelslot.conf: the disk is full."
    QString message() const {
        if (whileWriting) {
            return QStringLiteral("Could not save the player records to %1: %2.").arg(file, reason);
        }
        if (partlyRead) {
            return QStringLiteral("Part of the player records in %1 could not be read: %2.")
                .arg(file, reason);
        }
        if (!forTheSession) {
            return QStringLiteral(
                       "Could not read the player records from %1: %2. It is left untouched, "
                       "and nothing will be saved there until it is put right.")
                .arg(file, reason);
        }
        return QStringLiteral(
                   "Could not read the player records from %1: %2. It is left "
                   "untouched, and nothing will be saved there until it is put right and the "
                   "game is started again.")
            .arg(file, reason);
    }
    bool operator==(const StoreProblem&) const = default;

    // A save refused because the file could not be read for `readReason` earlier.
    static StoreProblem keptUnread(const QString& file, const QString& readReason) {
        return {
            file,
            QStringLiteral("it could not be read (%1), so it is left as it was").arg(readReason),
            true};
    }
};

// The per-user settings store of the application "kestrelslot": text values addressed by
// section and key. Written values are visible to reads at once; sync() makes them last.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or empty text when the key is missing or cannot be read.
    virtual QString value(const QString& section, const QString& key) const = 0;
    virtual void setValue(const QString& section, const QString& key, const QString& value) = 0;
    // Puts every value written so far into lasting storage. False when the write did not reach
    // it; the values are then kept and tried again by the next sync().
    [[nodiscard]] virtual bool sync() = 0;
    // The last read or save that failed, until a sync() succeeds; nothing while all is well.
    // A store that cannot fail keeps this default.
    virtual std::optional<StoreProblem> lastProblem() const { return std::nullopt; }
    // A value read could not be used (`what` says which, in a player's words) and will be
    // written over with what the reader made of it. A store over a file keeps the file as it
    // was beside it first and reports that; one in memory has nothing to keep.
    virtual void keepAsFound(const QString& what) const { (void)what; }
};

}  // namespace kestrel
