#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

#include <sys/types.h>

namespace kestrel {

// Identifies one version of a file: a rename over it or an edit changes at least one field.
struct FileStamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of what `path` names, links followed; a stamp that does not exist only when
// nothing at all is there.
FileStamp stampOf(const QString& path);

struct FileRead {
    enum class Outcome {
        Read,     // `text` holds the whole file
        Missing,  // nothing at the path, or a file where one of its folders should be
        Refused,  // something is there but it is not a readable regular file: see `reason`
    };
    Outcome outcome = Outcome::Missing;
    QByteArray text;
    FileStamp stamp;
    QString reason;  // why it was refused, in a player's words ("it is a folder, not a file")
};

// Reads the regular file at `path`, or the one a link there names. Anything else (a folder,
// a named pipe, a device, a link to nothing) is refused without being opened, so a pipe never
// blocks the reader; so is a file larger than `sizeLimit` bytes.
FileRead readRegularFile(const QString& path, qint64 sizeLimit);

// Puts `text` at `path` so that either the old file or the whole new one is there after a
// crash or a power cut: a new file beside the target is written, flushed to the disk and
// renamed over it, then the folder is flushed so that the new name lasts too. A link at `path`
// stays a link and the file it names is replaced. Missing folders are made. Nothing but a
// writable regular file or an empty place is ever replaced. Returns why it failed, in a
// player's words ("the disk is full"), or nothing when the text is stored.
std::optional<QString> replaceRegularFile(const QString& path, QByteArrayView text);

// The system calls through which replaceRegularFile() writes its new file, flushes it and the
// folder to the disk, and renames it into place. A disk that fails in one of them cannot be
// had on demand (a full file system needs the super-user, a failing flush or rename a failing
// disk), so a test puts its own here for a while and then the system's back. Nothing else
// changes them.
struct SaveCalls {
    std::function<ssize_t(int fd, const void* data, size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const char* from, const char* to)> rename;
};
SaveCalls& saveCalls();

// Removes what replaceRegularFile() leaves behind when the process dies between making its new
// file and renaming it: "<name>.<random>.new" beside `path` (and beside the file a link there
// names), also for the copies "<name>.damaged…" kept there. Only for the one writer of `path`:
// another one's new file would go before its rename.
void removeUnfinishedReplacements(const QString& path);

// `bytes` as a size a player reads: "812 bytes", "1.5 MB".
QString sizeInWords(qint64 bytes);

}  // namespace kestrel
