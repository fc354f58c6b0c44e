// kestrel-timing run as a developer runs it, in a locale that writes numbers with a decimal comma.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace kestrel {
namespace {

// The environment of a German locale: the system's, or else one made here with localedef.
// Empty when neither can be had.
QProcessEnvironment germanLocale(const QTemporaryDir& dir) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "de_DE.UTF-8");
    QProcess locale;
    locale.setProcessEnvironment(environment);
    locale.start("locale", {"decimal_point"});
    if (locale.waitForFinished(10000) && locale.readAllStandardOutput().trimmed() == ",") {
        return environment;
    }
    const QString localedef = QStandardPaths::findExecutable("localedef");
    if (localedef.isEmpty()) {
        return {};
    }
    QProcess make;
    make.start(localedef, {"-i", "de_DE", "-f", "UTF-8", dir.filePath("de_DE.UTF-8")});
    if (!make.waitForFinished(60000) || make.exitCode() != 0) {
        return {};
    }
    environment.insert("LOCPATH", dir.path());
    return environment;
}

double number(const QString& text) {
    return QString(text).replace(u',', u'.').toDouble();
}

// The table sums up the runs on each screen: its CPU share is the one the run printed, read back
// whatever decimal mark the locale prints.
TEST(TimingTool, ScreensTableReadsTheRunsInADecimalCommaLocale) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment environment = germanLocale(dir);
    if (environment.isEmpty()) {
        GTEST_SKIP() << "no German locale here, and none could be made";
    }
    environment.insert("XDG_CONFIG_HOME", dir.path());
    QProcess timing;
    timing.setProcessEnvironment(environment);
    timing.start(QStringLiteral(KESTREL_TIMING_EXECUTABLE), {"screens", "1", "800x600"});
    ASSERT_TRUE(timing.waitForFinished(120000));
    ASSERT_EQ(timing.exitCode(), 0) << timing.readAllStandardError().constData();
    const QString out = QString::fromUtf8(timing.readAllStandardOutput());

    const QRegularExpressionMatch run =
        QRegularExpression(R"(\(([0-9.,]+) % of one core\))").match(out);
    ASSERT_TRUE(run.hasMatch()) << qPrintable(out);
    const QRegularExpressionMatch table =
        QRegularExpression(R"(\n800x600\s+[0-9]+ ms\s+([0-9.,]+) %)").match(out);
    ASSERT_TRUE(table.hasMatch()) << qPrintable(out);
    EXPECT_NEAR(number(table.captured(1)), number(run.captured(1)), 0.1) << qPrintable(out);
}

// Whether the process has a handler of its own for this signal yet (it is in its SigCgt mask).
bool catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (mask >> (signal - 1) & 1) != 0;
        }
    }
    return false;
}

// Sends SIGTERM to a started run once it catches it (the machine is up), and expects the run
// to end saying it was cut off, with a failure and without its `figures`.
void expectCutOffBySigterm(QProcess& timing, const char* figures) {
    ASSERT_TRUE(timing.waitForStarted(10000));
    QElapsedTimer waited;
    waited.start();
    while (!catches(timing.processId(), SIGTERM) && waited.elapsed() < 30000) {
        QThread::msleep(5);
    }
    ASSERT_TRUE(catches(timing.processId(), SIGTERM));
    timing.terminate();
    ASSERT_TRUE(timing.waitForFinished(60000));

    EXPECT_EQ(timing.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(timing.exitCode(), 0);
    EXPECT_FALSE(timing.readAllStandardOutput().contains(figures));
    EXPECT_TRUE(timing.readAllStandardError().contains("cut off")) << "nothing said on stderr";
}

// A run ended by a signal before its spins were played (Ctrl-C at the terminal) prints no
// figures: it says on standard error that it was cut off, and exits with a failure.
TEST(TimingTool, RunCutOffByASignalSaysSoInsteadOfPrintingFigures) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess timing;
    timing.setProcessEnvironment(environment);
    timing.start(QStringLiteral(KESTREL_TIMING_EXECUTABLE), {"reels", "1", "5"});
    // Five spins take many seconds more than coming up.
    expectCutOffBySigterm(timing, "reel-stop intervals");
}

// The copy of the tool a `screens` run has started with these arguments, or 0.
qint64 childRunning(qint64 parent, const QByteArray& arguments) {
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(parent));
    if (!children.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& pid : children.readAll().simplified().split(' ')) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(QString::fromLatin1(pid)));
        if (cmdline.open(QIODevice::ReadOnly) &&
            cmdline.readAll().replace('\0', ' ').contains(arguments)) {
            return pid.toLongLong();
        }
    }
    return 0;
}

// A start-up run ended before its first frame (here on a screen of no height, where none comes)
// prints no time and says it was cut off, as the other runs do.
TEST(TimingTool, StartupCutOffBeforeTheFirstFrameSaysSo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile config(dir.filePath("screens.json"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"screens": [{"name": "flat", "x": 0, "y": 0, "width": 1920, "height": 0,)"
                 R"( "dpi": 96, "dpr": 1}]})");
    config.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    QProcess timing;
    timing.setProcessEnvironment(environment);
    timing.start(QStringLiteral(KESTREL_TIMING_EXECUTABLE),
                 {"startup", QString::number(QDateTime::currentMSecsSinceEpoch() * 1000000)});
    expectCutOffBySigterm(timing, "first frame");
}

// `screens` sums up runs of its own on each screen. One that ends without figures (cut off by a
// signal here) is said so, and no table of zeros is printed as if it were measured.
TEST(TimingTool, ScreensRunWithoutFiguresFailsInsteadOfPrintingATable) {
    QProcess timing;
    timing.start(QStringLiteral(KESTREL_TIMING_EXECUTABLE), {"screens", "5", "800x600"});
    ASSERT_TRUE(timing.waitForStarted(10000));
    QElapsedTimer waited;
    waited.start();
    qint64 reels = 0;
    while ((reels = childRunning(timing.processId(), "reels 1 5")) == 0 ||
           !catches(reels, SIGTERM)) {
        ASSERT_LT(waited.elapsed(), 60000) << "no run on the screen came up";
        QThread::msleep(5);
    }
    ::kill(static_cast<pid_t>(reels), SIGTERM);
    ASSERT_TRUE(timing.waitForFinished(120000));

    EXPECT_EQ(timing.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(timing.exitCode(), 0);
    const QByteArray out = timing.readAllStandardOutput();
    EXPECT_FALSE(out.contains("first frame")) << out.constData();
    EXPECT_TRUE(timing.readAllStandardError().contains("no figures"));
}

// A size that is not WxH[@R] (a capital X, a scale of 0) is a usage error, not a row of zeros.
TEST(TimingTool, ScreensRefusesASizeItCannotRead) {
    for (const char* size : {"1920X1080", "1920x", "800x600@0", "800x600@two"}) {
        QProcess timing;
        timing.start(QStringLiteral(KESTREL_TIMING_EXECUTABLE), {"screens", "1", size});
        ASSERT_TRUE(timing.waitForFinished(60000)) << size;
        EXPECT_EQ(timing.exitCode(), 2) << size;
        EXPECT_TRUE(timing.readAllStandardOutput().isEmpty()) << size;
    }
}

// An idle time longer than a timer can wait is refused, rather than measured over a wrapped-around
// fraction of a second (4294968 s) or waited for forever (2147484 s).
TEST(TimingTool, IdleRefusesATimeNoTimerCanWait) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char* seconds : {"4294968", "2147484"}) {
        QProcess timing;
        timing.setProcessEnvironment(environment);
        timing.start(QStringLiteral(KESTREL_TIMING_EXECUTABLE), {"idle", seconds});
        ASSERT_TRUE(timing.waitForStarted(10000));
        if (!timing.waitForFinished(20000)) {
            timing.kill();
            timing.waitForFinished();
            ADD_FAILURE() << "idle " << seconds << " is still waiting";
            continue;
        }
        EXPECT_EQ(timing.exitCode(), 2) << seconds;
        EXPECT_TRUE(timing.readAllStandardOutput().isEmpty()) << seconds;
    }
}

}  // namespace
}  // namespace kestrel
