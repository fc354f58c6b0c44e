#include "SingleInstanceLock.h"

#include <QDir>
#include <QFileInfo>

namespace kestrel {

namespace {

QString lockBeside(const QString& recordsFile) {
    return QFileInfo(recordsFile)
        .absoluteDir()
        .filePath(QLatin1String(SingleInstanceLock::kFileName));
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString& recordsFile)
    : lock_(lockBeside(recordsFile)) {
    // Only a lock whose process is gone is stale: never one that is merely old.
    lock_.setStaleLockTime(0);
}

SingleInstanceLock::Result SingleInstanceLock::tryLock() {
    problem_.clear();
    if (lock_.isLocked()) {
        return Result::Locked;
    }
    const QString folder = QFileInfo(lock_.fileName()).absolutePath();
    if (!QDir().mkpath(folder)) {
        problem_ =
            QStringLiteral("Could not make the folder %1 for the player records.").arg(folder);
        return Result::Unavailable;
    }
    // QLockFile would read a named pipe there and wait for it for ever, and take a link to
    // nothing for a lock that is held.
    if (const QFileInfo existing(lock_.fileName());
        existing.isSymLink() || (existing.exists() && !existing.isFile())) {
        problem_ = QStringLiteral("Could not use the lock file %1: it is not a regular file.")
                       .arg(lock_.fileName());
        return Result::Unavailable;
    }
    if (lock_.tryLock(0)) {
        return Result::Locked;
    }
    switch (lock_.error()) {
        case QLockFile::LockFailedError: {
            qint64 pid = 0;
            QString host;
            QString application;
            const QString holder = lock_.getLockInfo(&pid, &host, &application)
                                       ? QStringLiteral(" (process %1 on %2)").arg(pid).arg(host)
                                       : QString();
            problem_ = QStringLiteral(
                           "The game is already running%1 with the player records in "
                           "%2. Only one copy can use them at a time.")
                           .arg(holder, folder);
            return Result::HeldByAnotherCopy;
        }
        case QLockFile::PermissionError:
            problem_ = QStringLiteral(
                           "Could not make the lock file %1: there is no permission to "
                           "write in its folder.")
                           .arg(lock_.fileName());
            return Result::Unavailable;
        default:
            problem_ = QStringLiteral("Could not make the lock file %1.").arg(lock_.fileName());
            return Result::Unavailable;
    }
}

}  // namespace kestrel
