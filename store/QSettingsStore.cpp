#include "QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QVariant>

#include <cstdio>
#include <utility>

#include <pwd.h>
#include <unistd.h>

#include "IniText.h"

namespace kestrel {

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

// The user's home folder: $HOME, or without it the one the system keeps for the user (Qt would
// take the root folder, where the records cannot be written and the player's own are not).
QString homeFolder() {
    if (qEnvironmentVariableIsEmpty("HOME")) {
        if (const passwd* user = ::getpwuid(::getuid());
            user != nullptr && user->pw_dir != nullptr && *user->pw_dir != '\0') {
            return QDir::cleanPath(QFile::decodeName(user->pw_dir));
        }
    }
    return QDir::homePath();
}

// The user's settings folder. A relative $XDG_CONFIG_HOME is passed over for ~/.config, as the
// XDG base directories ask: taken as it stands it would name a folder beside wherever the game
// was started, and a game started from another folder would find none of the records.
QString configFolder() {
    if (QDir::isAbsolutePath(qEnvironmentVariable("XDG_CONFIG_HOME"))) {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
    return homeFolder() + QStringLiteral("/.config");
}

}  // namespace

// The file QSettings("kestrelslot", "kestrelslot") uses on Linux.
QSettingsStore::QSettingsStore()
    : QSettingsStore(configFolder() + u'/' + QLatin1String(kApplicationName) + u'/' +
                     QLatin1String(kApplicationName) + QStringLiteral(".conf")) {}

QSettingsStore::QSettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString QSettingsStore::value(const QString& section, const QString& key) const {
    const QString name = settingsKey(section, key);
    if (const auto it = pending_.constFind(name); it != pending_.cend()) {
        return it->toString();
    }
    refresh();
    return stored_.value(name).toString();
}

void QSettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
    pending_.insert(settingsKey(section, key), value);
}

bool QSettingsStore::sync() {
    if (pending_.isEmpty()) {
        return true;
    }
    if (!refresh()) {
        return fail(StoreProblem::keptUnread(path_, *readRefusal_));
    }
    QSettings::SettingsMap values = stored_;
    values.insert(pending_);
    const QByteArray text = formatIni(values);
    if (text.size() > kSizeLimit) {
        return fail({path_,
                     QStringLiteral("the records would grow past %1").arg(sizeInWords(kSizeLimit)),
                     true});
    }
    if (auto failure = replaceRegularFile(path_, text)) {
        return fail({path_, *failure, true});
    }
    stored_ = std::move(values);
    stamp_ = stampOf(path_);
    pending_.clear();
    problem_.reset();
    return true;
}

bool QSettingsStore::refresh() const {
    // A file refused before anything was read stays refused: what this session plays started
    // from nothing and must never replace it.
    if (readRefusal_ && !readOnce_) {
        return false;
    }
    const FileStamp now = stampOf(path_);
    if (now == stamp_) {
        return !readRefusal_;
    }
    FileRead read = readRegularFile(path_, kSizeLimit);
    if (read.outcome == FileRead::Outcome::Refused) {
        readRefusal_ = read.reason;
        if (!readOnce_) {
            stored_.clear();
            return fail({path_, read.reason, false});
        }
        // Out of reach after it was read (a folder put in its place, its permissions taken
        // away): the records last read stay in view, and the saves wait until it is back.
        stamp_ = now;
        return fail({path_, read.reason, false, false, false});
    }
    readRefusal_.reset();
    qsizetype skippedLines = 0;
    stored_ = parseIni(read.text, &skippedLines);
    stamp_ = read.stamp;
    if (skippedLines > 0 &&
        !keepDamagedCopy(read.text,
                         skippedLines == 1
                             ? QStringLiteral("1 line made no sense")
                             : QStringLiteral("%1 lines made no sense").arg(skippedLines))) {
        return false;
    }
    readOnce_ = true;
    return true;
}

// The next sync() writes only what could be read, so the file as it was goes aside first: a
// file saved in another encoding, or a hand edit gone wrong, may still hold other players'
// records. If no copy can be made, the file is not replaced in this session.
//
// A copy holding other text was named to the player before (in this session or an earlier one)
// and may hold the only trace of a record: it is never written over, and the new copy goes
// beside it under the next number.
bool QSettingsStore::keepDamagedCopy(QByteArrayView text, const QString& whatWasWrong) const {
    QString copy = damagedCopyPath();
    FileRead kept = readRegularFile(copy, kSizeLimit);
    for (int number = 2;
         kept.outcome == FileRead::Outcome::Read && kept.text != text && number <= kDamagedCopies;
         ++number) {
        copy = damagedCopyPath() + u'.' + QString::number(number);
        kept = readRegularFile(copy, kSizeLimit);
    }
    if (kept.outcome != FileRead::Outcome::Read || kept.text != text) {
        const std::optional<QString> failure =
            kept.outcome == FileRead::Outcome::Read
                ? QStringLiteral("%1 copies are kept already").arg(kDamagedCopies)
                : replaceRegularFile(copy, text);
        if (failure) {
            readRefusal_ = QStringLiteral(
                               "some of its lines could not be read and no copy of "
                               "it could be kept as %1 (%2)")
                               .arg(copy, *failure);
            return fail({path_, *readRefusal_, false});
        }
    }
    report({path_,
            QStringLiteral("%1, so the file as it was is kept as %2").arg(whatWasWrong, copy),
            false, true});
    return true;
}

// The value is still in the file as it was typed (a value this session wrote is one it can
// use), so the file is copied as it stands now.
void QSettingsStore::keepAsFound(const QString& what) const {
    if (!refresh()) {
        return;  // a file not read is not replaced either
    }
    const FileRead read = readRegularFile(path_, kSizeLimit);
    if (read.outcome == FileRead::Outcome::Read) {
        keepDamagedCopy(read.text, what);
    }
}

// Said on standard error and kept for lastProblem().
void QSettingsStore::report(StoreProblem problem) const {
    std::fprintf(stderr, "kestrelslot: %s\n", qUtf8Printable(problem.message()));
    problem_ = std::move(problem);
}

bool QSettingsStore::fail(StoreProblem problem) const {
    report(std::move(problem));
    return false;
}

}  // namespace kestrel
