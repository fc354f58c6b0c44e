// kestrel-timing run as a developer runs it, in a locale that writes numbers with a decimal comma.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

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

}  // namespace
}  // namespace kestrel
