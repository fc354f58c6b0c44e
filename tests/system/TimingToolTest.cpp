// kestrel-timing run as a developer runs it, in a locale that writes numbers with a decimal comma.
#include <gtest/gtest.h>

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

// A run ended by a signal before its spins were played (Ctrl-C at the terminal) prints no
// figures: it says on standard error that it was cut off, and exits with a failure.
TEST(TimingTool, RunCutOffByASignalSaysSoInsteadOfPrintingFigures) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess timing;
    timing.setProcessEnvironment(environment);
    timing.start(QStringLiteral(KESTREL_TIMING_EXECUTABLE), {"reels", "1", "5"});
    ASSERT_TRUE(timing.waitForStarted(10000));
    // The program catches SIGTERM once the machine is up; five spins take many seconds more.
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
    EXPECT_FALSE(timing.readAllStandardOutput().contains("reel-stop intervals"));
    EXPECT_TRUE(timing.readAllStandardError().contains("cut off")) << "nothing said on stderr";
}

}  // namespace
}  // namespace kestrel
