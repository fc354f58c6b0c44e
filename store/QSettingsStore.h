#pragma once

#include <QSettings>
#include <QString>

#include <optional>

#include "RegularFile.h"
#include "SettingsStore.h"

namespace kestrel {

// The settings store as the INI file QSettings("kestrelslot", "kestrelslot") uses, in the text
// of IniText.h. The store reads and writes the file itself rather than through QSettings, so
// that it can refuse what is not a regular file and say why a read or a save failed.
//
// Reading: the file is parsed once and kept; a read re-parses only when the file has changed
// (another name, size or time), so a whole record costs one parse. A damaged file yields what
// can be read from it and is replaced by a clean one at the next sync(); the file as it was is
// first copied to damagedCopyPath() (never over an earlier copy) and the copy named by
// lastProblem(). So is a file holding a value its reader could not use (keepAsFound()).
// Accepted is a regular file, or a link to one, of at most kSizeLimit bytes (real records take
// about 2 KB). Anything else is never overwritten in this session, so records hidden by a
// permission slip, a wrong link or a stray huge file are not destroyed: a folder, a named pipe, a
// device or a link to nothing at the path, a file that cannot be read or one over the limit. Such a
// read is reported once on standard error and by lastProblem(), and reads as empty. A file that
// goes out of reach after it was read is the same, except that the values last read stay in
// view and the saves go on once it is back.
//
// Saving: every sync() writes the kept values with the new ones over them to a new file beside
// the old one, checks that the disk took all of it, renames it over the old file and flushes
// the folder, so the file is never half-written and the new one survives a power cut. A link
// at the path stays a link; the file it names is replaced. A failed sync is reported on
// standard error and by lastProblem() until a sync succeeds. A save that would make the file
// larger than kSizeLimit is refused, so the store never writes what it would not read back.
class QSettingsStore final : public SettingsStore {
public:
    static constexpr char kApplicationName[] = "kestrelslot";
    static constexpr qint64 kSizeLimit = 1024 * 1024;

    // The user's file: ~/.config/kestrelslot/kestrelslot.conf (an absolute $XDG_CONFIG_HOME
    // moves it).
    QSettingsStore();
    explicit QSettingsStore(QString filePath);

    QString value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    [[nodiscard]] bool sync() override;
    std::optional<StoreProblem> lastProblem() const override { return problem_; }
    void keepAsFound(const QString& what) const override;

    const QString& fileName() const { return path_; }
    // Clears the new files of saves cut off before their rename (RegularFile.h); for the copy of
    // the program that alone uses the records.
    void removeUnfinishedSaves() const { removeUnfinishedReplacements(path_); }
    // Where a file with lines or values that could not be read is kept before it is replaced;
    // should that copy hold other text already, the next of ".damaged.2", ".damaged.3", … up to
    // kDamagedCopies that is free or holds the same text.
    QString damagedCopyPath() const { return path_ + QStringLiteral(".damaged"); }
    static constexpr int kDamagedCopies = 20;

private:
    // Parses the file again when it is not the version kept; false once a read was refused.
    bool refresh() const;
    void report(StoreProblem problem) const;
    bool fail(StoreProblem problem) const;  // reports it; false
    bool keepDamagedCopy(QByteArrayView text, const QString& whatWasWrong) const;

    QString path_;
    // The parsed file and the version it came from, by "section/key".
    mutable QSettings::SettingsMap stored_;
    mutable FileStamp stamp_;
    // Why the last read was refused: for good when nothing was read before it, else until the
    // file is back.
    mutable std::optional<QString> readRefusal_;
    mutable bool readOnce_ = false;  // the file (or its absence) was read whole in this session
    mutable std::optional<StoreProblem> problem_;
    // Written since the last successful sync.
    QSettings::SettingsMap pending_;
};

}  // namespace kestrel
