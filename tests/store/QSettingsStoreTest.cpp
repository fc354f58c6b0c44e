#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "QSettingsStore.h"
#include "QStringPrinter.h"

namespace kestrel {
namespace {

// Makes writes past the given size fail, as on a full disk, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int);
};

// Syncs while the disk is "full" and returns whether the store claimed success.
bool syncOnFullDisk(QSettingsStore& store) {
    ::testing::internal::CaptureStderr();
    bool synced = false;
    {
        const FileSizeLimit limit(4096);
        synced = store.sync();
    }
    ::testing::internal::GetCapturedStderr();
    return synced;
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("kestrelslot.conf"); }
    void writeFile(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray fileContent() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList filesInFolder() const { return QDir(dir.path()).entryList(QDir::Files); }

    QTemporaryDir dir;
};

TEST_F(QSettingsStoreTest, SyncedValuesAreReadBackByAFreshStore) {
    const QString awkward = QStringLiteral("Zoë, \"Ace\"; =@x 🎰 ");
    {
        QSettingsStore store(path());
        store.setValue("player1", "bank", "12345");
        store.setValue("player1", "currentplayer", awkward);
        EXPECT_EQ(store.value("player1", "bank"), "12345");  // visible before the sync
        ASSERT_TRUE(store.sync());
    }
    const QSettingsStore reader(path());
    EXPECT_EQ(reader.value("player1", "bank"), "12345");
    EXPECT_EQ(reader.value("player1", "currentplayer"), awkward);
    EXPECT_EQ(reader.value("player2", "bank"), "");
}

TEST_F(QSettingsStoreTest, SyncReplacesTheFileInsteadOfRewritingItInPlace) {
    QSettingsStore store(path());
    store.setValue("player1", "bank", "1");
    ASSERT_TRUE(store.sync());
    struct stat before {};
    ASSERT_EQ(::stat(qPrintable(path()), &before), 0);

    store.setValue("player1", "bank", "2");
    ASSERT_TRUE(store.sync());
    struct stat after {};
    ASSERT_EQ(::stat(qPrintable(path()), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "a new file was renamed over the old one";
    EXPECT_EQ(filesInFolder(), QStringList{"kestrelslot.conf"})
        << "no temporary or lock file is left behind";
}

TEST_F(QSettingsStoreTest, FullDiskLeavesThePreviousFileWhole) {
    QSettingsStore store(path());
    store.setValue("player1", "bank", "1");
    ASSERT_TRUE(store.sync());
    const QByteArray before = fileContent();

    store.setValue("player1", "bank", "2");
    store.setValue("player1", "currentplayer", QString(8000, u'x'));
    EXPECT_FALSE(syncOnFullDisk(store));
    EXPECT_EQ(fileContent(), before);
    EXPECT_EQ(filesInFolder(), QStringList{"kestrelslot.conf"});
    EXPECT_TRUE(store.sync());
    EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "2");
}

TEST_F(QSettingsStoreTest, UnwritableLocationReportsFailureAndKeepsTheValuesForTheNextSync) {
    writeFile("not a folder");  // the settings file's folder would have to be created here
    QSettingsStore store(dir.filePath("kestrelslot.conf/kestrelslot.conf"));
    store.setValue("player1", "bank", "700");

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(store.sync());
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("could not save"), std::string::npos) << report;
    EXPECT_NE(report.find(qPrintable(store.fileName())), std::string::npos) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_EQ(store.value("player1", "bank"), "700");

    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_TRUE(store.sync());
    EXPECT_EQ(QSettingsStore(store.fileName()).value("player1", "bank"), "700");
}

TEST_F(QSettingsStoreTest, GarbageFileReadsAsMissingValuesAndIsReplacedByTheNextSync) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    }
    garbage.append("\n[player1\nbank=7\n");
    writeFile(garbage);

    QSettingsStore store(path());
    EXPECT_EQ(store.value("player1", "bank"), "");
    store.setValue("player1", "bank", "25");
    ASSERT_TRUE(store.sync());
    EXPECT_EQ(fileContent(), "[player1]\nbank=25\n");
}

TEST_F(QSettingsStoreTest, UnreadableFileIsNeitherReadNorOverwritten) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind the super-user";
    }
    writeFile("[player1]\nbank=900\n");
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::Permissions{}));
    QSettingsStore store(path());
    EXPECT_EQ(store.value("player1", "bank"), "");
    store.setValue("player1", "bank", "5");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(store.sync());
    ::testing::internal::GetCapturedStderr();

    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "900");
}

TEST(QSettingsStoreLocation, DefaultFileIsTheOneQSettingsUsesForTheGame) {
    // Qt settles its default folders at the first QSettings that asks for them; no other test
    // here asks, so the variable set now is the one that counts.
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QSettingsStore store;
    EXPECT_EQ(store.fileName(), config.filePath("kestrelslot/kestrelslot.conf"));
    EXPECT_EQ(store.fileName(), QSettings("kestrelslot", "kestrelslot").fileName());
    saved.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
}  // namespace kestrel
