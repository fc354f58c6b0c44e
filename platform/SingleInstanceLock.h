#pragma once

#include <QLockFile>
#include <QString>

#include <optional>

namespace kestrel {

// One running copy of the game per records folder: a lock file beside the records
// ("kestrelslot.lock") that a copy holds for as long as it runs. A lock left behind by a copy
// that crashed does not count: the file names the process that made it, and a lock whose
// process has ended (or whose computer has restarted since) is taken over. A copy that is still
// running holds its lock however long it has been playing.
class SingleInstanceLock {
public:
    static constexpr char kFileName[] = "kestrelslot.lock";

    enum class Result {
        Locked,             // this copy may use the records
        HeldByAnotherCopy,  // another running copy uses them: this one should end
        Unavailable,        // the lock file cannot be made (read-only folder, full disk, …)
    };

    // The lock for the records file `recordsFile`, in the same folder. Nothing is locked yet.
    explicit SingleInstanceLock(const QString& recordsFile);
    // Releases the lock if it is held.
    ~SingleInstanceLock() = default;
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock without waiting; makes the records folder when it is missing.
    Result tryLock();
    // Why the last tryLock() did not lock, in a player's words; empty after it locked.
    const QString& problem() const { return problem_; }
    QString fileName() const { return lock_.fileName(); }

private:
    QLockFile lock_;
    QString problem_;
};

}  // namespace kestrel
