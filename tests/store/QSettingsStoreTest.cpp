#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "QSettingsStore.h"
#include "StoreFileFixture.h"

namespace kestrel {
namespace {

using QSettingsStoreTest = test::StoreFileFixture;

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

bool runningAsRoot() {
    return ::geteuid() == 0;
}

// "[player1]" with a bank, then comment lines up to exactly `size` bytes.
QByteArray recordPaddedTo(qsizetype size) {
    QByteArray text = "[player1]\nbank=4480\n";
    const QByteArray line = "; " + QByteArray(97, 'x') + '\n';
    while (text.size() + line.size() <= size) {
        text += line;
    }
    return text + QByteArray(size - text.size(), '\n');
}

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
    EXPECT_EQ(reader.lastProblem(), std::nullopt);
}

TEST_F(QSettingsStoreTest, SyncReplacesTheFileAndKeepsItsPermissions) {
    QSettingsStore store(path());
    store.setValue("player1", "bank", "1");
    ASSERT_TRUE(store.sync());
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    struct stat before {};
    ASSERT_EQ(::stat(qPrintable(path()), &before), 0);

    store.setValue("player1", "bank", "2");
    ASSERT_TRUE(store.sync());
    struct stat after {};
    ASSERT_EQ(::stat(qPrintable(path()), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "a new file was renamed over the old one";
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(filesInFolder(), QStringList{"kestrelslot.conf"}) << "no temporary file is left";
}

TEST_F(QSettingsStoreTest, FullDiskLeavesThePreviousFileWholeAndSaysWhy) {
    QSettingsStore store(path());
    store.setValue("player1", "bank", "1");
    ASSERT_TRUE(store.sync());
    const QByteArray before = fileContent();

    store.setValue("player1", "bank", "2");
    store.setValue("player1", "currentplayer", QString(8000, u'x'));
    std::string report;
    {
        const FileSizeLimit limit(4096);
        EXPECT_FALSE(syncQuietly(store, report));
    }
    EXPECT_EQ(fileContent(), before);
    EXPECT_EQ(filesInFolder(), QStringList{"kestrelslot.conf"});
    ASSERT_TRUE(store.lastProblem());
    EXPECT_TRUE(store.lastProblem()->whileWriting);
    EXPECT_EQ(store.lastProblem()->reason, "the file would be larger than the system allows");
    EXPECT_EQ(report, "kestrelslot: " + store.lastProblem()->message().toStdString() + '\n');

    EXPECT_TRUE(store.sync());
    EXPECT_EQ(store.lastProblem(), std::nullopt) << "a successful save clears the problem";
    EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "2");
}

TEST_F(QSettingsStoreTest, FileInTheWayOfTheFolderIsNamedAndTheValuesWaitForTheNextSync) {
    writeFile("not a folder");  // the settings file's folder would have to be made here
    QSettingsStore store(dir.filePath("kestrelslot.conf/kestrelslot.conf"));
    EXPECT_EQ(store.value("player1", "bank"), "") << "nothing there is not a damaged file";
    EXPECT_EQ(store.lastProblem(), std::nullopt);
    store.setValue("player1", "bank", "700");

    EXPECT_FALSE(syncQuietly(store));
    const StoreProblem expected{store.fileName(), path() + " is a file where a folder should be",
                                true};
    EXPECT_EQ(store.lastProblem(), expected);
    EXPECT_EQ(store.value("player1", "bank"), "700");
    EXPECT_EQ(fileContent(), "not a folder");

    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_TRUE(store.sync());
    EXPECT_EQ(store.lastProblem(), std::nullopt);
    EXPECT_EQ(QSettingsStore(store.fileName()).value("player1", "bank"), "700");
}

// A file with lines that make no sense (garbage, another encoding, a broken hand edit) gives
// what can be read from it; the file as it was is kept aside before the next sync replaces it,
// and the copy is named.
TEST_F(QSettingsStoreTest, DamagedFileIsKeptAsideBeforeTheNextSyncReplacesIt) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    }
    garbage.append("\n[player1\nbank=7\n[player2]\nbank=900\n");
    writeFile(garbage);

    QSettingsStore store(path());
    EXPECT_EQ(store.value("player1", "bank"), "");
    EXPECT_EQ(store.value("player2", "bank"), "900");
    ASSERT_TRUE(store.lastProblem().has_value());
    EXPECT_TRUE(store.lastProblem()->partlyRead);
    EXPECT_TRUE(store.lastProblem()->message().contains(store.damagedCopyPath()));
    store.setValue("player1", "bank", "25");
    ASSERT_TRUE(store.sync());
    EXPECT_EQ(store.lastProblem(), std::nullopt);
    EXPECT_EQ(fileContent(), "[player1]\nbank=25\n\n[player2]\nbank=900\n");
    EXPECT_EQ(contentOf(store.damagedCopyPath()), garbage);

    // A whole file in another encoding: not one line reads, every slot is in the copy, kept
    // beside the earlier one.
    const QString utf16Text = QStringLiteral("[player2]\nbank=100000\n");
    const QByteArray utf16(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    writeFile(utf16);
    QSettingsStore fresh(path());
    EXPECT_EQ(fresh.value("player2", "bank"), "");
    ASSERT_TRUE(fresh.lastProblem().has_value());
    EXPECT_TRUE(fresh.lastProblem()->message().contains(store.damagedCopyPath() + ".2"));
    fresh.setValue("player1", "bank", "0");
    ASSERT_TRUE(fresh.sync());
    EXPECT_EQ(contentOf(store.damagedCopyPath() + ".2"), utf16);
    EXPECT_EQ(contentOf(store.damagedCopyPath()), garbage);
    ASSERT_TRUE(QFile::remove(store.damagedCopyPath() + ".2"));

    // Comments, blank lines and a clean file keep no copy.
    ASSERT_TRUE(QFile::remove(store.damagedCopyPath()));
    writeFile("; a comment\n\n[player1]\nbank=5\n");
    QSettingsStore clean(path());
    EXPECT_EQ(clean.value("player1", "bank"), "5");
    EXPECT_EQ(clean.lastProblem(), std::nullopt);
    EXPECT_FALSE(QFile::exists(clean.damagedCopyPath()));
}

// Where no copy can be kept, the damaged file is not replaced in this session.
// No permission is involved (a folder stands where the copy would go), so this holds for the
// super-user too.
TEST_F(QSettingsStoreTest, DamagedFileThatCannotBeCopiedIsNotReplaced) {
    writeFile("[player2\nbank=900\n");
    const QString copyPath = path() + QStringLiteral(".damaged");
    ASSERT_TRUE(QDir().mkpath(copyPath));

    QSettingsStore store(path());
    EXPECT_EQ(store.value("player2", "bank"), "");
    ASSERT_TRUE(store.lastProblem().has_value());
    EXPECT_FALSE(store.lastProblem()->partlyRead);
    store.setValue("player1", "bank", "25");
    EXPECT_FALSE(syncQuietly(store));
    EXPECT_EQ(fileContent(), "[player2\nbank=900\n");
}

TEST_F(QSettingsStoreTest, ChangesMadeByAnotherWriterAreReadAndKeptBySync) {
    writeFile("[player1]\nbank=100\n");
    QSettingsStore store(path());
    ASSERT_EQ(store.value("player1", "bank"), "100");

    QSettingsStore other(path());
    other.setValue("player2", "bank", "222");
    ASSERT_TRUE(other.sync());
    EXPECT_EQ(store.value("player2", "bank"), "222") << "a file renamed over the old one";

    writeFile("[player1]\nbank=300\n[player2]\nbank=222\n");
    EXPECT_EQ(store.value("player1", "bank"), "300") << "the same file rewritten in place";

    store.setValue("player1", "bank", "400");
    ASSERT_TRUE(store.sync());
    EXPECT_EQ(fileContent(), "[player1]\nbank=400\n\n[player2]\nbank=222\n");
}

TEST_F(QSettingsStoreTest, ReadingARecordFromALargeFileParsesItOnce) {
    writeFile(recordPaddedTo(QSettingsStore::kSizeLimit));
    const QSettingsStore store(path());
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(store.value("player1", "bank"), "4480");
    }
    // One parse of this file takes a few milliseconds; one for every read would take seconds.
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST_F(QSettingsStoreTest, FileOverTheSizeLimitIsReadAsEmptyAndNeverOverwritten) {
    writeFile(recordPaddedTo(QSettingsStore::kSizeLimit));
    EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "4480") << "at the limit";

    const QByteArray tooLarge = recordPaddedTo(QSettingsStore::kSizeLimit + 1);
    writeFile(tooLarge);
    QSettingsStore store(path());
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(store.value("player1", "bank"), "");
    EXPECT_EQ(store.value("player1", "games"), "");
    const std::string report = ::testing::internal::GetCapturedStderr();
    const StoreProblem refused{
        path(), "it is 1.0 MB, and player records never take more than 1.0 MB", false};
    EXPECT_EQ(store.lastProblem(), refused);
    EXPECT_EQ(report, "kestrelslot: " + refused.message().toStdString() + '\n') << "reported once";

    store.setValue("player1", "bank", "1");
    EXPECT_FALSE(syncQuietly(store));
    EXPECT_EQ(store.lastProblem(), StoreProblem::keptUnread(path(), refused.reason));
    writeFile(recordPaddedTo(1000));
    EXPECT_FALSE(syncQuietly(store)) << "not even once the file is fine again";
    EXPECT_EQ(fileContent(), recordPaddedTo(1000));
}

TEST_F(QSettingsStoreTest, SaveThatWouldPassTheSizeLimitIsRefused) {
    QByteArray before = "[junk]\n";
    for (int i = 0; before.size() < QSettingsStore::kSizeLimit - 2000; ++i) {
        before += "key" + QByteArray::number(i) + '=' + QByteArray(1000, 'v') + '\n';
    }
    writeFile(before);

    QSettingsStore store(path());
    store.setValue("player1", "currentplayer", QString(3000, u'n'));
    EXPECT_FALSE(syncQuietly(store));
    ASSERT_TRUE(store.lastProblem());
    EXPECT_EQ(store.lastProblem()->reason, "the records would grow past 1.0 MB");
    EXPECT_EQ(fileContent(), before);
}

TEST_F(QSettingsStoreTest, UnreadableFileIsNeitherReadNorOverwrittenInThisSession) {
    if (runningAsRoot()) {
        GTEST_SKIP() << "file permissions do not bind the super-user";
    }
    writeFile("[player1]\nbank=900\n");
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::Permissions{}));
    QSettingsStore store(path());
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(store.value("player1", "bank"), "");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(store.lastProblem(),
              (StoreProblem{path(), "there is no permission to read it", false}));

    store.setValue("player1", "bank", "5");
    EXPECT_FALSE(syncQuietly(store));
    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_FALSE(syncQuietly(store)) << "what this session played started from nothing";
    EXPECT_EQ(QSettingsStore(path()).value("player1", "bank"), "900");
}

// A file read once and then kept from view for a while (a folder put in its place, its
// permissions taken away) holds the saves up only for that while: what was played meanwhile
// is saved once the file is back, the other players' records as the file has them.
TEST_F(QSettingsStoreTest, AFileThatGoesOutOfReachInPlayHoldsTheSavesUpOnlyUntilItIsBack) {
    writeFile("[player1]\nbank=900\n[player2]\nbank=700\n");
    QSettingsStore store(path());
    ASSERT_EQ(store.value("player1", "bank"), "900");

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir().mkdir(path()));
    store.setValue("player1", "bank", "950");
    std::string report;
    EXPECT_FALSE(syncQuietly(store, report));
    EXPECT_NE(report.find("it is a folder, not a file"), std::string::npos) << report;
    EXPECT_EQ(report.find("started again"), std::string::npos) << "the saves wait for the file";
    EXPECT_EQ(store.value("player2", "bank"), "700") << "the records last read stay in view";
    store.setValue("player1", "bank", "975");
    EXPECT_FALSE(syncQuietly(store));

    ASSERT_TRUE(QDir().rmdir(path()));
    writeFile("[player1]\nbank=900\n[player2]\nbank=720\n");
    EXPECT_TRUE(syncQuietly(store));
    EXPECT_EQ(store.lastProblem(), std::nullopt);
    EXPECT_EQ(fileContent(), "[player1]\nbank=975\n\n[player2]\nbank=720\n");
}

TEST_F(QSettingsStoreTest, ReadOnlyFileOrFolderIsNamedAsTheReason) {
    if (runningAsRoot()) {
        GTEST_SKIP() << "file permissions do not bind the super-user";
    }
    writeFile("[player1]\nbank=900\n");
    QSettingsStore store(path());
    store.setValue("player1", "bank", "5");

    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner));
    EXPECT_FALSE(syncQuietly(store));
    EXPECT_EQ(store.lastProblem(), (StoreProblem{path(), "the file is read-only", true}));

    ASSERT_TRUE(QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    const auto folderMode = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), folderMode));
    EXPECT_FALSE(syncQuietly(store));
    EXPECT_EQ(store.lastProblem(),
              (StoreProblem{path(), "there is no permission to write in the folder " + dir.path(),
                            true}));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), folderMode | QFileDevice::WriteOwner));
    EXPECT_EQ(fileContent(), "[player1]\nbank=900\n");
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

// A relative folder in the variable would follow the folder the game was started from: started
// from another one, the player would find an empty record and the credit seemingly gone.
TEST(QSettingsStoreLocation, RelativeConfigHomeFallsBackToTheHomeFolder) {
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QString savedFolder = QDir::currentPath();
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", "settings");
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));

    const QSettingsStore store;
    EXPECT_EQ(store.fileName(), home.filePath(".config/kestrelslot/kestrelslot.conf"));

    QDir::setCurrent(savedFolder);
    qputenv("HOME", savedHome);
    savedConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", savedConfig);
}

// Started without HOME (from a service, or `env -i`), the game finds the player's own records in
// the home folder the system keeps for the user, not in a folder under / that it cannot write.
TEST(QSettingsStoreLocation, WithoutHomeTheUsersHomeFolderIsUsed) {
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    const QString home = QFile::decodeName(user->pw_dir);
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");

    const QSettingsStore store;
    EXPECT_EQ(store.fileName(), home + "/.config/kestrelslot/kestrelslot.conf");

    if (!savedHome.isNull()) {
        qputenv("HOME", savedHome);
    }
    if (!savedConfig.isNull()) {
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
}

}  // namespace
}  // namespace kestrel
