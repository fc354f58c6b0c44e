// The real program, started as a player starts it, cut off and started again.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <functional>
#include <random>

#include <sys/resource.h>

#include "IniText.h"

namespace kestrel {
namespace {

constexpr int kStartBank = 100000;

// A throw-away records folder with a player who has plenty of credit, plays fast and silently,
// and has read the autoplay notice already.
class Program : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath("kestrelslot");
        QFile file(recordsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[notice]\nautoplay=-1\n\n[player1]\nbank=%1\nreelspeed=1\n"
                                  "soundonoff=0\n")
                       .arg(kStartBank)
                       .toLatin1());
    }

    QString recordsPath() const { return dir.filePath("kestrelslot/kestrelslot.conf"); }

    // Starts a copy of the program on the folder; it has come up when it says so. `inChild`
    // runs in the new process before the program does.
    std::unique_ptr<QProcess> start(const std::function<void()>& inChild = {}) {
        auto process = std::make_unique<QProcess>();
        if (inChild) {
            process->setChildProcessModifier(inChild);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", dir.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(KESTREL_REMOTE_EXECUTABLE), {});
        return process;
    }
    static bool says(QProcess& process, const QByteArray& line, int withinMs = 15000) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < withinMs) {
            if (process.canReadLine()) {
                if (process.readLine().trimmed() == line) {
                    return true;
                }
                continue;
            }
            if (!process.waitForReadyRead(100) && process.state() == QProcess::NotRunning) {
                return false;
            }
        }
        return false;
    }
    // How a copy that did not come up ended, for the failure's message: its exit, its error, and
    // what it wrote on standard error.
    static std::string howItEnded(QProcess& process) {
        const QString ended = process.state() != QProcess::NotRunning
                                  ? QStringLiteral("still running")
                              : process.exitStatus() == QProcess::CrashExit
                                  ? QStringLiteral("crashed (%1)").arg(process.errorString())
                                  : QStringLiteral("exit code %1").arg(process.exitCode());
        return (ended + u'\n' + QString::fromLocal8Bit(process.readAllStandardError().right(2000)))
            .toStdString();
    }
    static void tell(QProcess& process, const QByteArray& word) {
        process.write(word + '\n');
        ASSERT_TRUE(process.waitForBytesWritten(2000));
        ASSERT_TRUE(says(process, "done " + word)) << word.constData();
    }
    // The next line the program says that starts with `start`.
    static QByteArray lineStarting(QProcess& process, const QByteArray& start) {
        while (process.canReadLine() || process.waitForReadyRead(5000)) {
            while (process.canReadLine()) {
                const QByteArray line = process.readLine().trimmed();
                if (line.startsWith(start)) {
                    return line;
                }
            }
        }
        return {};
    }
    static void signal(QProcess& process, int number) {
        // A process that has ended has the id 0, and kill(0, …) would signal this test's group.
        ASSERT_GT(process.processId(), 0) << "the program has ended already";
        ::kill(static_cast<pid_t>(process.processId()), number);
        ASSERT_TRUE(process.waitForFinished(10000));
    }

    // The records file as the disk holds it.
    QSettings::SettingsMap records() const {
        QFile file(recordsPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return parseIni(file.readAll());
    }
    static qint64 number(const QSettings::SettingsMap& values, const char* key) {
        return values.value(QString::fromLatin1(key)).toLongLong();
    }

    // Every credit is accounted for: what was put in, less the bets, plus the wins, is the credit
    // and what the machine still owes (the win of a decided paid spin, a feature's total). The
    // player never gambles here.
    static void expectEveryCreditAccountedFor(const QSettings::SettingsMap& r) {
        const bool decided = r.value("game1/phase").toString() == "spinning";
        const bool decidedPaid = decided && number(r, "game1/spinfree") == 0;
        const bool feature = r.value("game1/feature", "none").toString() != "none";
        const qint64 owed = (decidedPaid ? number(r, "game1/spinpays") : 0) +
                            (feature ? number(r, "game1/featurewin") : 0);
        EXPECT_EQ(number(r, "player1/bank") + owed, number(r, "player1/amountinvested") +
                                                        kStartBank - number(r, "player1/wager") +
                                                        number(r, "player1/total"));
    }

    QTemporaryDir dir;
};

// Killed at random moments of autoplay, the program comes up again every time, finishes what was
// in progress, and never loses or doubles a credit nor plays a game twice.
TEST_F(Program, KilledAnywhereItComesBackWithEveryCreditAndGame) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 chance(seed);
    std::uniform_int_distribution<int> after(300, 3000);
    qint64 games = 0;
    for (int kill = 0; kill < 5; ++kill) {
        auto program = start();
        ASSERT_TRUE(says(*program, "up")) << "start " << kill << ": " << howItEnded(*program);
        tell(*program, "autoplay");
        QThread::msleep(static_cast<unsigned long>(after(chance)));
        signal(*program, SIGKILL);
        const QSettings::SettingsMap r = records();
        expectEveryCreditAccountedFor(r);
        EXPECT_GE(number(r, "player1/games"), games) << "after kill " << kill;
        games = number(r, "player1/games");
    }
    EXPECT_GT(games, 0);
    auto program = start();
    ASSERT_TRUE(says(*program, "up")) << howItEnded(*program);
    // The last game played before the last cut is the newest of the last games, once a game
    // that was left in progress has come to rest. A feature left running plays on by itself, a
    // free spin every few seconds, and with a re-trigger may take well over a minute.
    QByteArray shown;
    for (int tries = 0; tries < 600; ++tries) {
        program->write("lastgames\n");
        shown = lineStarting(*program, "lastgames ");
        if (shown != "lastgames closed") {
            break;
        }
        QThread::msleep(500);
    }
    EXPECT_TRUE(shown.startsWith("lastgames Game " + QByteArray::number(games) + " — "))
        << shown.constData() << "; the game in the records: phase "
        << records().value("game1/phase").toString().toStdString() << ", feature "
        << records().value("game1/feature").toString().toStdString();
    signal(*program, SIGTERM);
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
    const QSettings::SettingsMap r = records();
    expectEveryCreditAccountedFor(r);
    EXPECT_GE(number(r, "player1/games"), games);
}

// SIGTERM runs the shutdown of the exit button: a note just put in and a spin just decided are
// both in the record; a second copy on the same records ends while the first plays on.
TEST_F(Program, TerminationSavesAndASecondCopyStandsAside) {
    auto first = start();
    ASSERT_TRUE(says(*first, "up")) << howItEnded(*first);
    tell(*first, "note");
    auto second = start();
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_TRUE(second->readAllStandardError().contains("already running"));
    EXPECT_EQ(first->state(), QProcess::Running);
    tell(*first, "spin");
    signal(*first, SIGTERM);
    EXPECT_EQ(first->exitCode(), 0);
    const QSettings::SettingsMap r = records();
    EXPECT_EQ(number(r, "player1/amountinvested"), 5000);
    EXPECT_EQ(number(r, "player1/games"), 1);
    EXPECT_EQ(r.value("game1/phase").toString(), "idle");  // the spin was settled on the way out
    expectEveryCreditAccountedFor(r);
}

// A copy killed between writing a new records file and renaming it leaves that file behind; the
// next copy to start clears such leftovers, and nothing else beside the records.
TEST_F(Program, ASaveCutOffLeavesNothingBehindOnceTheGameStartsAgain) {
    const QDir folder(dir.filePath("kestrelslot"));
    const QStringList leftovers = {"kestrelslot.conf.1wn0ke4.new",
                                   "kestrelslot.conf.damaged.zz91.new",
                                   "kestrelslot.conf.damaged.2.a1b2.new"};
    const QStringList kept = {"kestrelslot.conf.bak", "kestrelslot.conf.damaged", "notes.new",
                              "kestrelslot.conf.my copy.new"};
    for (const QString& name : leftovers + kept) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[player1]\nbank=1\n");
    }
    auto program = start();
    ASSERT_TRUE(says(*program, "up")) << howItEnded(*program);
    QStringList expected = kept + QStringList{"kestrelslot.conf", "kestrelslot.lock"};
    expected.sort();
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name).join(" | ").toStdString(),
              expected.join(" | ").toStdString());
    signal(*program, SIGTERM);
}

// Under a limit on the size of the files it writes (`ulimit -f`, as on a disk with little room
// left), a save that would pass it fails and is said; the program plays on and ends normally,
// and the records file is as it was.
TEST_F(Program, ASaveOverTheFileSizeLimitIsSaidAndThePlayGoesOn) {
    QFile file(recordsPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\n[player2]\ncurrentplayer=" + QByteArray(1000, 'x') + '\n');
    file.close();
    const QByteArray before = [&] {
        QFile in(recordsPath());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }();

    auto program = start([] {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    ASSERT_TRUE(says(*program, "up")) << howItEnded(*program);
    tell(*program, "note");
    tell(*program, "spin");
    ASSERT_EQ(program->state(), QProcess::Running);
    signal(*program, SIGTERM);
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_TRUE(program->readAllStandardError().contains(
        "Could not save the player records to " + recordsPath().toUtf8() +
        ": the file would be larger than the system allows."));
    QFile after(recordsPath());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(dir.filePath("kestrelslot")).entryList(QDir::Files),
              QStringList{"kestrelslot.conf"});
}

}  // namespace
}  // namespace kestrel
