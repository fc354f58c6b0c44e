#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "QSettingsStore.h"
#include "StoreFileFixture.h"

namespace kestrel {
namespace {

using namespace std::chrono_literals;

// What stands at the records path when it is not a regular file: the store must neither
// block on it nor replace it, and must say what it found.
class RecordsPathTest : public test::StoreFileFixture {
protected:
    // Reads and saves through a store at the path; returns the problems it reported.
    void expectLeftAloneWithReason(const QString& reason) {
        QSettingsStore store(path());
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(store.value("player1", "bank"), "");
        ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(store.lastProblem(), (StoreProblem{path(), reason, false}));

        store.setValue("player1", "bank", "5");
        EXPECT_FALSE(syncQuietly(store));
        EXPECT_EQ(store.lastProblem(), StoreProblem::keptUnread(path(), reason));
        EXPECT_EQ(store.value("player1", "bank"), "5") << "the session goes on with its values";
    }
};

TEST_F(RecordsPathTest, NamedPipeNeitherBlocksTheReadNorIsReplaced) {
    ASSERT_EQ(::mkfifo(qPrintable(path()), 0600), 0);
    std::atomic<bool> done = false;
    std::thread reader([&] {
        const QSettingsStore store(path());
        ::testing::internal::CaptureStderr();
        (void)store.value("player1", "bank");
        ::testing::internal::GetCapturedStderr();
        done = true;
    });
    for (auto waited = 0ms; !done && waited < 2s; waited += 10ms) {
        std::this_thread::sleep_for(10ms);
    }
    if (!done) {
        // Frees a reader stuck opening the pipe, so the test can end.
        ::close(::open(qPrintable(path()), O_WRONLY | O_NONBLOCK));
    }
    reader.join();
    ASSERT_TRUE(done) << "reading the records blocked on the pipe";

    expectLeftAloneWithReason("it is a named pipe, not a file");
    struct stat status {};
    ASSERT_EQ(::lstat(qPrintable(path()), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(RecordsPathTest, FolderIsNeitherReadNorReplaced) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("kestrelslot.conf"));
    writeFile(path() + "/inside", "kept");
    expectLeftAloneWithReason("it is a folder, not a file");
    EXPECT_EQ(contentOf(path() + "/inside"), "kept");
    EXPECT_EQ(filesInFolder(), QStringList{"kestrelslot.conf"});
}

TEST_F(RecordsPathTest, LinkToNothingStaysALinkToNothing) {
    const QString missing = dir.filePath("elsewhere/records.conf");
    ASSERT_TRUE(QFile::link(missing, path()));
    expectLeftAloneWithReason("it is a link to " + missing + ", which does not exist");
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(RecordsPathTest, LinkToARegularFileStaysALinkAndTheFileItNamesGetsTheRecords) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    const QString target = dir.filePath("real/records.conf");
    writeFile(target, "[player1]\nbank=10\n");
    ASSERT_EQ(::symlink("real/records.conf", qPrintable(path())), 0);  // relative, as users do

    QSettingsStore store(path());
    EXPECT_EQ(store.value("player1", "bank"), "10");
    store.setValue("player1", "bank", "20");
    ASSERT_TRUE(store.sync());

    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), target);
    EXPECT_EQ(contentOf(target), "[player1]\nbank=20\n");
    EXPECT_EQ(QDir(dir.filePath("real")).entryList(QDir::Files), QStringList{"records.conf"});
    EXPECT_EQ(store.lastProblem(), std::nullopt);
}

}  // namespace
}  // namespace kestrel
