#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "QSettingsStore.h"
#include "RegularFile.h"
#include "StoreFileFixture.h"

namespace kestrel {
namespace {

// Puts other calls in the place of the system's for a save, and the system's back at the end.
class SaveCallsSwap {
public:
    SaveCallsSwap() : saved_(saveCalls()) {}
    ~SaveCallsSwap() { saveCalls() = saved_; }
    SaveCallsSwap(const SaveCallsSwap&) = delete;
    SaveCallsSwap& operator=(const SaveCallsSwap&) = delete;

private:
    SaveCalls saved_;
};

// A disk that fails at one step of a save, and what the player must be told of it.
struct DiskFault {
    std::string name;
    std::function<void(SaveCalls&)> inject;
    QString reason;
};

std::vector<DiskFault> diskFaults(int& writes) {
    const auto failWith = [](int error) {
        errno = error;
        return -1;
    };
    return {
        {"write takes no bytes",
         [&writes, failWith](SaveCalls& calls) {
             // Once: a save that asks again would get an error in other words, not hang the run.
             calls.write = [&writes, failWith](int, const void*, size_t) -> ssize_t {
                 return ++writes == 1 ? 0 : failWith(EIO);
             };
         },
         "the disk is full"},
        {"the flush of the new file fails",
         [failWith](SaveCalls& calls) { calls.fsync = [failWith](int) { return failWith(EIO); }; },
         "the disk reported an error"},
        {"the rename fails",
         [failWith](SaveCalls& calls) {
             calls.rename = [failWith](const char*, const char*) { return failWith(EDQUOT); };
         },
         "the disk quota is used up"},
    };
}

using FailingSaveTest = test::StoreFileFixture;

// Whichever step of the save the disk fails, the save says so and why, the file keeps the last
// saved records whole, nothing is left beside it, and the values are saved by the next sync.
TEST_F(FailingSaveTest, ADiskFailingAtAnyStepIsReportedAndLeavesTheLastSaveWhole) {
    int writes = 0;
    for (const DiskFault& fault : diskFaults(writes)) {
        SCOPED_TRACE(fault.name);
        QSettingsStore store(path());
        store.setValue("player1", "bank", "100");
        ASSERT_TRUE(store.sync());
        const QByteArray before = fileContent();

        store.setValue("player1", "bank", "250");
        writes = 0;
        std::string report;
        {
            const SaveCallsSwap swap;
            fault.inject(saveCalls());
            EXPECT_FALSE(syncQuietly(store, report)) << "a failed save is not a success";
        }
        EXPECT_LE(writes, 1) << "a write that took nothing is not tried again and again";
        ASSERT_TRUE(store.lastProblem()) << "the player is told";
        EXPECT_EQ(store.lastProblem(), (StoreProblem{path(), fault.reason, true}));
        EXPECT_EQ(report, "kestrelslot: " + store.lastProblem()->message().toStdString() + '\n');
        EXPECT_EQ(fileContent(), before);
        EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "100")
            << "the next start finds the last save";
        EXPECT_EQ(filesInFolder(), QStringList{"kestrelslot.conf"}) << "no new file is left";
        EXPECT_EQ(store.value("player1", "bank"), "250") << "the value waits for the next sync";

        EXPECT_TRUE(store.sync());
        EXPECT_EQ(store.lastProblem(), std::nullopt);
        EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "250");
    }
}

// What survives a power cut is what the disk confirmed: the new file's bytes before its name
// goes over the old one, and the folder holding the new name after the rename.
TEST_F(FailingSaveTest, ASaveFlushesTheNewFileBeforeTheRenameAndTheFolderAfterIt) {
    QSettingsStore store(path());
    store.setValue("player1", "bank", "100");
    ASSERT_TRUE(store.sync());

    std::vector<std::string> steps;
    const auto note = [&steps](const std::string& step) {
        if (steps.empty() || steps.back() != step) {
            steps.push_back(step);
        }
    };
    store.setValue("player1", "bank", "250");
    {
        const SaveCallsSwap swap;
        SaveCalls& calls = saveCalls();
        calls.write = [&note](int fd, const void* data, size_t size) {
            note("write");
            return ::write(fd, data, size);
        };
        calls.fsync = [&note](int fd) {
            struct stat status {};
            note(::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode) ? "flush folder"
                                                                      : "flush file");
            return ::fsync(fd);
        };
        calls.rename = [&note](const char* from, const char* to) {
            note("rename");
            return std::rename(from, to);
        };
        EXPECT_TRUE(store.sync());
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"write", "flush file", "rename", "flush folder"}));
    EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "250");
}

// A disk may take part of a write, or a signal cut one off before it took anything: the save
// goes on with the rest and stores all of it.
TEST_F(FailingSaveTest, WritesCutShortOrInterruptedStillStoreTheWholeText) {
    const QString name(3000, u'y');
    QSettingsStore store(path());
    store.setValue("player1", "currentplayer", name);
    int writes = 0;
    {
        const SaveCallsSwap swap;
        saveCalls().write = [&writes](int fd, const void* data, size_t size) -> ssize_t {
            if (++writes % 3 == 0) {
                errno = EINTR;
                return -1;
            }
            return ::write(fd, data, std::min<size_t>(size, 7));
        };
        EXPECT_TRUE(store.sync());
    }
    EXPECT_EQ(store.lastProblem(), std::nullopt);
    EXPECT_EQ(QSettingsStore(path()).value("player1", "currentplayer"), name);
}

}  // namespace
}  // namespace kestrel
