#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "QStringPrinter.h"
#include "SingleInstanceLock.h"

namespace kestrel {
namespace {

using Result = SingleInstanceLock::Result;

// Another copy of the game: a child process that takes the lock and keeps it until it is told
// to quit, or dies without letting go of it.
class OtherCopy {
public:
    explicit OtherCopy(const QString& recordsFile) {
        int toChild[2];
        int fromChild[2];
        if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toChild[1]);
            ::close(fromChild[0]);
            auto* lock = new SingleInstanceLock(recordsFile);
            const char locked = lock->tryLock() == Result::Locked ? 'L' : '-';
            (void)::write(fromChild[1], &locked, 1);
            char ending = 0;
            (void)::read(toChild[0], &ending, 1);
            if (ending == 'q') {
                delete lock;  // an orderly end removes the lock file
            }
            ::_exit(0);  // a crash leaves it behind
        }
        ::close(toChild[0]);
        ::close(fromChild[1]);
        command_ = toChild[1];
        char locked = 0;
        locked_ = ::read(fromChild[0], &locked, 1) == 1 && locked == 'L';
        ::close(fromChild[0]);
    }
    ~OtherCopy() { end('q'); }
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;

    bool locked() const { return locked_; }
    qint64 pid() const { return pid_; }
    void quit() { end('q'); }
    void crash() { end('c'); }

private:
    void end(char how) {
        if (pid_ <= 0) {
            return;
        }
        (void)::write(command_, &how, 1);
        ::close(command_);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    pid_t pid_ = -1;
    int command_ = -1;
    bool locked_ = false;
};

class SingleInstanceLockTest : public ::testing::Test {
protected:
    QString records() const { return dir.filePath("kestrelslot.conf"); }
    QString lockFile() const { return dir.filePath("kestrelslot.lock"); }

    QTemporaryDir dir;
};

TEST_F(SingleInstanceLockTest, AnotherRunningCopyHoldsTheLockUntilItEnds) {
    OtherCopy other(records());
    ASSERT_TRUE(other.locked());

    SingleInstanceLock lock(records());
    EXPECT_EQ(lock.fileName(), lockFile());
    EXPECT_EQ(lock.tryLock(), Result::HeldByAnotherCopy);
    EXPECT_TRUE(lock.problem().contains(QStringLiteral("process %1").arg(other.pid())))
        << lock.problem().toStdString();
    EXPECT_TRUE(lock.problem().contains(dir.path())) << lock.problem().toStdString();

    other.quit();
    EXPECT_EQ(lock.tryLock(), Result::Locked);
    EXPECT_EQ(lock.problem(), "");
    EXPECT_EQ(SingleInstanceLock(records()).tryLock(), Result::HeldByAnotherCopy)
        << "a second lock in the same process is another copy too";
}

TEST_F(SingleInstanceLockTest, LockLeftByACrashedCopyIsTakenOver) {
    OtherCopy other(records());
    ASSERT_TRUE(other.locked());
    other.crash();
    ASSERT_TRUE(QFileInfo::exists(lockFile()));

    SingleInstanceLock lock(records());
    EXPECT_EQ(lock.tryLock(), Result::Locked);
    EXPECT_EQ(OtherCopy(records()).locked(), false);
}

TEST_F(SingleInstanceLockTest, LockThatCannotBeMadeIsUnavailableNotHeld) {
    {
        SingleInstanceLock lock(dir.filePath("new/folder/kestrelslot.conf"));
        EXPECT_EQ(lock.tryLock(), Result::Locked) << "the records folder is made";
    }
    ASSERT_TRUE(QFile(records()).open(QIODevice::WriteOnly));
    SingleInstanceLock underFile(records() + "/kestrelslot.conf");
    EXPECT_EQ(underFile.tryLock(), Result::Unavailable);
    EXPECT_TRUE(underFile.problem().contains(records())) << underFile.problem().toStdString();

    // A pipe would block QLockFile's look at who holds it.
    ASSERT_EQ(::mkfifo(qPrintable(lockFile()), 0600), 0);
    SingleInstanceLock atPipe(records());
    EXPECT_EQ(atPipe.tryLock(), Result::Unavailable);
    ASSERT_TRUE(QFile::remove(lockFile()));
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), lockFile()));
    EXPECT_EQ(atPipe.tryLock(), Result::Unavailable);
    EXPECT_EQ(atPipe.problem(),
              "Could not use the lock file " + lockFile() + ": it is not a regular file.");
}

}  // namespace
}  // namespace kestrel
