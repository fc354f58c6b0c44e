#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel {

namespace {

// Closes a descriptor when it goes out of scope, unless it was closed on purpose.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports the error close() met: a delayed write error shows up here.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// A failed system call's error in words; the callers say which file it concerned.
QString errorInWords(int error) {
    switch (error) {
        case ENOSPC:
            return QStringLiteral("the disk is full");
        case EDQUOT:
            return QStringLiteral("the disk quota is used up");
        case EFBIG:
            return QStringLiteral("the file would be larger than the system allows");
        case EROFS:
            return QStringLiteral("the disk is read-only");
        case EACCES:
        case EPERM:
            return QStringLiteral("permission was denied");
        case EIO:
            return QStringLiteral("the disk reported an error");
        case ELOOP:
            return QStringLiteral("it is a link that leads round in a circle");
        case ENAMETOOLONG:
            return QStringLiteral("the file name is too long");
        default: {
            QString text = QString::fromLocal8Bit(std::strerror(error));
            if (!text.isEmpty()) {
                text[0] = text[0].toLower();
            }
            return text;
        }
    }
}

// What stands at a path that is not a regular file.
QString kindInWords(mode_t mode) {
    if (S_ISDIR(mode)) {
        return QStringLiteral("it is a folder, not a file");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("it is a named pipe, not a file");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("it is a device, not a file");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("it is a socket, not a file");
    }
    return QStringLiteral("it is not a regular file");
}

QString tooLargeInWords(qint64 size, qint64 limit) {
    return QStringLiteral("it is %1, and player records never take more than %2")
        .arg(sizeInWords(size), sizeInWords(limit));
}

qint64 nanoseconds(const timespec& time) {
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileStamp stampFrom(const struct stat& status) {
    return {true,
            quint64(status.st_dev),
            quint64(status.st_ino),
            qint64(status.st_size),
            nanoseconds(status.st_mtim),
            nanoseconds(status.st_ctim)};
}

// Why stat() failed on `path`, or nothing when that means there simply is no file there.
std::optional<QString> statFailure(const QString& path, int error) {
    if (error == ENOENT) {
        struct stat link {};
        if (::lstat(native(path).constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
            return QStringLiteral("it is a link to %1, which does not exist")
                .arg(QFileInfo(path).symLinkTarget());
        }
        return std::nullopt;
    }
    if (error == ENOTDIR) {
        return std::nullopt;  // a file stands where a folder of the path should be
    }
    if (error == EACCES) {
        return QStringLiteral("there is no permission to look into its folder");
    }
    return errorInWords(error);
}

// Makes `folder` and the folders above it that are missing; returns why that failed.
std::optional<QString> makeFolders(const QString& folder) {
    struct stat status {};
    if (::stat(native(folder).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            return std::nullopt;
        }
        return QStringLiteral("%1 is a file where a folder should be").arg(folder);
    }
    if (errno != ENOENT) {
        if (errno == ENOTDIR) {
            return makeFolders(folderOf(folder));  // names the file in the way
        }
        return errorInWords(errno);
    }
    if (const QString parent = folderOf(folder); parent != folder) {
        if (auto failure = makeFolders(parent)) {
            return failure;
        }
    }
    if (::mkdir(native(folder).constData(), 0777) != 0 && errno != EEXIST) {
        if (errno == EACCES) {
            return QStringLiteral("there is no permission to make the folder %1").arg(folder);
        }
        return errorInWords(errno);
    }
    return std::nullopt;
}

// The regular file that a write to `path` must replace, links resolved, with the mode to give
// its successor; or why nothing may be written there.
struct Target {
    QString path;
    std::optional<mode_t> mode;  // none when there is no file yet
};

std::optional<QString> findTarget(const QString& path, Target& target) {
    struct stat status {};
    if (::stat(native(path).constData(), &status) != 0) {
        if (auto failure = statFailure(path, errno)) {
            return failure;
        }
        target = {path, std::nullopt};
        return makeFolders(folderOf(path));
    }
    if (!S_ISREG(status.st_mode)) {
        return kindInWords(status.st_mode);
    }
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (resolved.isEmpty()) {
        return QStringLiteral("its name could not be resolved");
    }
    if (::access(native(resolved).constData(), W_OK) != 0) {
        return errno == EACCES ? QStringLiteral("the file is read-only") : errorInWords(errno);
    }
    target = {resolved, status.st_mode & 07777};
    return std::nullopt;
}

// Opens a new, empty file beside `target` under a name no other file has.
int createBeside(const QString& target, QByteArray& name) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = native(target) + '.' +
               QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".new";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

int writeAll(int fd, QByteArrayView text) {
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t written =
            saveCalls().write(fd, text.data() + done, size_t(text.size() - done));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        done += written;
    }
    return 0;
}

// Writes the text into the new file and makes the disk confirm it; returns the errno.
int fill(Descriptor& file, std::optional<mode_t> mode, QByteArrayView text) {
    if (mode && ::fchmod(file.get(), *mode) != 0) {
        return errno;
    }
    if (const int error = writeAll(file.get(), text)) {
        return error;
    }
    if (saveCalls().fsync(file.get()) != 0) {
        return errno;
    }
    return file.close();
}

// Flushes a folder's list of names, so a rename in it survives a power cut. File systems that
// cannot flush a folder say EINVAL; there is nothing more to do on them.
int flushFolder(const QString& folder) {
    const Descriptor dir(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid()) {
        return errno;
    }
    if (saveCalls().fsync(dir.get()) != 0 && errno != EINVAL) {
        return errno;
    }
    return 0;
}

}  // namespace

SaveCalls& saveCalls() {
    static SaveCalls calls{
        [](int fd, const void* data, size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
        [](const char* from, const char* to) { return std::rename(from, to); },
    };
    return calls;
}

FileStamp stampOf(const QString& path) {
    const QByteArray name = native(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0) {
        return stampFrom(status);
    }
    if (errno == ENOENT || errno == ENOTDIR) {
        // A link to nothing is something at the path all the same.
        return ::lstat(name.constData(), &status) == 0 ? stampFrom(status) : FileStamp{};
    }
    return {.exists = true};  // something that cannot be looked at
}

FileRead readRegularFile(const QString& path, qint64 sizeLimit) {
    FileRead result;
    const auto refuse = [&result](QString reason) {
        result.outcome = FileRead::Outcome::Refused;
        result.reason = std::move(reason);
        return result;
    };
    // stat() first: opening a pipe or a device could block or have effects of its own.
    struct stat status {};
    if (::stat(native(path).constData(), &status) != 0) {
        if (auto failure = statFailure(path, errno)) {
            return refuse(*failure);
        }
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        return refuse(kindInWords(status.st_mode));
    }
    if (status.st_size > sizeLimit) {
        return refuse(tooLargeInWords(status.st_size, sizeLimit));
    }
    // The name may have been given to something else since: O_NONBLOCK keeps a pipe from
    // blocking the open, and the open file is checked again.
    const Descriptor file(
        ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) {
        return refuse(errno == EACCES ? QStringLiteral("there is no permission to read it")
                                      : errorInWords(errno));
    }
    if (::fstat(file.get(), &status) != 0) {
        return refuse(errorInWords(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return refuse(kindInWords(status.st_mode));
    }
    // Room for one byte more than the file had, or than the limit: filling it means the file
    // grew since the check, and it grows up to the limit.
    QByteArray text(qsizetype(std::min<qint64>(status.st_size, sizeLimit)) + 1, Qt::Uninitialized);
    qsizetype size = 0;
    for (;;) {
        if (size == text.size()) {
            if (size > sizeLimit) {
                const qint64 grown = ::fstat(file.get(), &status) == 0 ? status.st_size : size;
                return refuse(tooLargeInWords(std::max<qint64>(grown, size), sizeLimit));
            }
            text.resize(qsizetype(std::min<qint64>(2 * qint64(size), sizeLimit + 1)));
        }
        const ssize_t got = ::read(file.get(), text.data() + size, size_t(text.size() - size));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return refuse(errorInWords(errno));
        }
        if (got == 0) {
            break;
        }
        size += got;
    }
    text.truncate(size);
    result.outcome = FileRead::Outcome::Read;
    result.text = std::move(text);
    result.stamp = stampFrom(status);
    return result;
}

std::optional<QString> replaceRegularFile(const QString& path, QByteArrayView text) {
    Target target;
    if (auto failure = findTarget(path, target)) {
        return failure;
    }
    const QString folder = folderOf(target.path);
    QByteArray newName;
    Descriptor file(createBeside(target.path, newName));
    if (!file.valid()) {
        if (errno == EACCES) {
            return QStringLiteral("there is no permission to write in the folder %1").arg(folder);
        }
        return errorInWords(errno);
    }
    int error = fill(file, target.mode, text);
    if (error == 0 &&
        saveCalls().rename(newName.constData(), native(target.path).constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(newName.constData());
        return errorInWords(error);
    }
    if (const int flushError = flushFolder(folder)) {
        return errorInWords(flushError);
    }
    return std::nullopt;
}

void removeUnfinishedReplacements(const QString& path) {
    const auto removeBeside = [](const QFileInfo& file) {
        const QRegularExpression unfinished(
            QStringLiteral("^%1(\\.damaged(\\.[0-9]+)?)?\\.[0-9a-z]+\\.new$")
                .arg(QRegularExpression::escape(file.fileName())));
        const QDir folder = file.absoluteDir();
        for (const QString& name : folder.entryList({file.fileName() + QStringLiteral(".*.new")},
                                                    QDir::Files | QDir::Hidden | QDir::System)) {
            if (unfinished.match(name).hasMatch()) {
                QFile::remove(folder.filePath(name));
            }
        }
    };
    const QFileInfo named(path);
    removeBeside(named);
    if (const QString resolved = named.canonicalFilePath();
        !resolved.isEmpty() && resolved != named.absoluteFilePath()) {
        removeBeside(QFileInfo(resolved));
    }
}

QString sizeInWords(qint64 bytes) {
    if (bytes < 1024) {
        return QStringLiteral("%1 bytes").arg(bytes);
    }
    if (bytes < 1024 * 1024) {
        return QStringLiteral("%1 KB").arg(double(bytes) / 1024, 0, 'f', 1);
    }
    return QStringLiteral("%1 MB").arg(double(bytes) / (1024 * 1024), 0, 'f', 1);
}

}  // namespace kestrel
