// kestrel-timing: figures of the running program, measured on the real clock.
//   kestrel-timing startup LAUNCH_NS   ms from LAUNCH_NS (CLOCK_REALTIME, e.g. `date +%s%N`
//                                      just before the launch) to the first painted frame
//   kestrel-timing reels SPEED SPINS   plays SPINS spins at reel speed 1 or 2 and prints the
//                                      intervals between reel stops, CPU time and peak memory
//   kestrel-timing gamble GAMBLES      plays until GAMBLES wins were gambled and prints peak
//                                      memory, the gamble's pictures drawn for the screen too
//   kestrel-timing idle SECONDS        CPU time used while the machine stands idle
//   kestrel-timing screens SPINS [--rounds=N] [WxH[@R]…]
//                                      the first frame and the reels' CPU on screens of these
//                                      sizes in pixels (800x600 1920x1080 3840x2160 unless given;
//                                      @R a desktop scaled by R, as 3840x2160@2), each in a
//                                      fresh copy of the program on the offscreen platform, and
//                                      the CPU of each beside that of the first; with N rounds
//                                      (the sizes taken in turn, N times) the median of each,
//                                      and of the ratio per round with its lowest and highest
// It runs the same program the player runs, on a throw-away settings folder, with a fixed
// seed so that runs can be compared spin for spin.
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <limits>
#include <optional>
#include <vector>

#include "Durations.h"
#include "GamblePanel.h"
#include "MachineApp.h"
#include "PictureButton.h"
#include "Presentation.h"
#include "ReelAnimation.h"

namespace {

constexpr std::uint64_t kSeed = 1958;

qint64 realtimeNs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long residentKilobytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

long peakKilobytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// The application takes the locale of the environment, and with it printf's decimal mark: in
// a German one the figures would read "330,3 ms", and `screens` would read back only the 330 of
// what its runs print. The figures are printed as the README shows them, whatever the locale.
void printFiguresWithADecimalPoint() {
    std::setlocale(LC_NUMERIC, "C");
}

// The screen's size in its own pixels, and the desktop's scale where it has one.
QString screenOf(const QApplication&) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return QStringLiteral("none");
    }
    const qreal ratio = screen->devicePixelRatio();
    const QSize pixels = (QSizeF(screen->size()) * ratio).toSize();
    const QString size = QStringLiteral("%1x%2").arg(pixels.width()).arg(pixels.height());
    return ratio == 1.0 ? size : size + u'@' + QString::number(ratio);
}

// A player record for the run: plenty of credit, sounds off, the chosen speed.
void prepareSettings(const QTemporaryDir& dir, int reelspeed) {
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    QDir(dir.path()).mkpath("kestrelslot");
    QFile file(dir.filePath("kestrelslot/kestrelslot.conf"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QStringLiteral("[player1]\nbank=1000000\nsoundonoff=0\nreelspeed=%1\n")
                       .arg(reelspeed)
                       .toLatin1());
    }
}

// A run ended before it was done (a signal ends the program as it would end the game) has no
// figures to print: said on standard error, and the exit status says so too.
int cutOff(const QString& when) {
    std::fprintf(stderr, "kestrel-timing: the run was cut off %s; no figures\n", qPrintable(when));
    return 1;
}

int usage() {
    std::fprintf(stderr,
                 "usage: kestrel-timing startup LAUNCH_NS | reels SPEED SPINS | gamble GAMBLES | "
                 "idle SECONDS | "
                 "screens SPINS [--rounds=N] [WxH[@R] ...]\n");
    return 2;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(qint64 launchNs, QString screen)
        : launchNs_(launchNs), screen_(std::move(screen)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The frame is on screen once this paint has been handled.
            QTimer::singleShot(0, [this] {
                std::printf("screen %s: first frame %.1f ms after launch\n", qPrintable(screen_),
                            (realtimeNs() - launchNs_) / 1e6);
                printed_ = true;
                QApplication::quit();
            });
        }
        return false;
    }
    bool printed() const { return printed_; }

private:
    qint64 launchNs_;
    QString screen_;
    bool seen_ = false;
    bool printed_ = false;
};

int startup(int argc, char* argv[], qint64 launchNs) {
    QTemporaryDir dir;
    prepareSettings(dir, 1);
    QApplication app(argc, argv);
    printFiguresWithADecimalPoint();
    FirstPaint watcher(launchNs, screenOf(app));
    kestrel::ui::MachineApp machine(kSeed);
    machine.window().installEventFilter(&watcher);
    QApplication::exec();
    return watcher.printed() ? 0 : cutOff(QStringLiteral("before the first frame"));
}

// The next paid spin: a finished feature's win is taken first (it waits for the player).
void playNext(kestrel::ui::MachineApp& machine) {
    if (machine.window().machine().featureCompleted()) {
        emit machine.window()
            .findChild<kestrel::ui::PictureButton*>(QStringLiteral("takewin"))
            ->mouseDown();
    }
    machine.window().findChild<QPushButton*>(QStringLiteral("play1"))->click();
}

// Counts the paint events of the machine and its widgets, and the pixels they cover.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            ++paints;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) {
                area += qint64(r.width()) * r.height();
            }
        }
        return false;
    }
    qint64 paints = 0;
    qint64 area = 0;
};

int reels(int argc, char* argv[], int speed, int spins) {
    QTemporaryDir dir;
    prepareSettings(dir, speed);
    QApplication app(argc, argv);
    printFiguresWithADecimalPoint();
    kestrel::ui::MachineApp machine(kSeed);
    PaintCounter counter;
    app.installEventFilter(&counter);
    auto* animation = machine.window().findChild<kestrel::ui::ReelAnimation*>();
    QElapsedTimer clock;
    clock.start();
    auto* presentation = machine.window().findChild<kestrel::Presentation*>();
    QObject::connect(presentation, &kestrel::Presentation::drawingDone, [&] {
        std::printf(
            "screen %s: pictures drawn for the screen %lld ms after start; resident "
            "memory %ld KiB\n",
            qPrintable(screenOf(app)), clock.elapsed(), residentKilobytes());
    });
    std::vector<qint64> stops;  // ns, per spin five of them
    std::vector<double> gaps;
    int played = 0;
    QObject::connect(animation, &kestrel::ui::ReelAnimation::reelStopped,
                     [&](int) { stops.push_back(clock.nsecsElapsed()); });
    // The CPU and the paints of the first spins are not counted, nor of any spin while pictures
    // are still being drawn for the screen: that work is done once per screen, not by playing.
    // The reel-stop intervals of every spin are, the reels keep their pace meanwhile too.
    constexpr int kWarmUpSpins = 2;
    int warmUp = kWarmUpSpins;
    double cpuBefore = 0;
    qint64 playBegan = 0;
    double cpu = 0;
    double seconds = 0;
    QObject::connect(animation, &kestrel::ui::ReelAnimation::spinEnded, [&] {
        for (size_t i = stops.size() - 4; i < stops.size(); ++i) {
            gaps.push_back((stops[i] - stops[i - 1]) / 1e6);
        }
        ++played;
        if (played == warmUp && presentation->drawing()) {
            ++warmUp;
        } else if (played == warmUp) {
            cpuBefore = cpuSeconds();
            playBegan = clock.elapsed();
            counter.paints = counter.area = 0;
        }
        if (played == spins + warmUp) {
            // Read before the program's shutdown, which is not play.
            QTimer::singleShot(300, [&] {
                cpu = cpuSeconds() - cpuBefore;
                seconds = (clock.elapsed() - playBegan) / 1000.0;
                QApplication::quit();
            });
        } else if (!machine.window().machine().freeSpinsActive()) {
            // Free spins press themselves; a finished feature waits for its win to be taken.
            QTimer::singleShot(300, [&] { playNext(machine); });
        }
    });
    QTimer::singleShot(500, [&] { playNext(machine); });
    QApplication::exec();
    if (played < spins + warmUp) {
        return cutOff(
            QStringLiteral("after %1 of %2 spins").arg(std::max(0, played - warmUp)).arg(spins));
    }
    const double expected = speed == 1 ? 250 : 750;
    std::sort(gaps.begin(), gaps.end());
    double worst = 0;
    for (double g : gaps) {
        worst = std::max(worst, std::abs(g - expected));
    }

    std::printf(
        "screen %s, speed %d: %d spins measured (after %d to warm up), %zu reel-stop "
        "intervals: median %.2f ms (target %.0f), worst deviation %.2f ms\n",
        qPrintable(screenOf(app)), speed, played - warmUp, warmUp, gaps.size(),
        gaps[gaps.size() / 2], expected, worst);
    std::printf("screen %s: %lld widget paints covering %.1f Mpx\n", qPrintable(screenOf(app)),
                counter.paints, counter.area / 1e6);
    std::printf(
        "screen %s: CPU %.3f s for %.3f s of play (%.2f %% of one core); peak memory "
        "%ld KiB\n",
        qPrintable(screenOf(app)), cpu, seconds, 100.0 * cpu / seconds, peakKilobytes());
    return 0;
}

// Plays until GAMBLES wins have been gambled (a guess of red, then collect if it won), and prints
// peak memory, the gamble's cards and panel being drawn for the screen when it first opens, and
// how long each card took to be revealed: the peel is a run of steps on the window's sequencer,
// which must keep its pace while the frames are drawn for a large screen.
int gamble(int argc, char* argv[], int gambles) {
    QTemporaryDir dir;
    prepareSettings(dir, 1);
    QApplication app(argc, argv);
    printFiguresWithADecimalPoint();
    kestrel::ui::MachineApp machine(kSeed);
    const kestrel::Machine& rules = machine.window().machine();
    auto* animation = machine.window().findChild<kestrel::ui::ReelAnimation*>();
    auto* panel = machine.window().findChild<kestrel::ui::GamblePanel*>();
    const auto button = [&](const char* name) {
        return machine.window().findChild<QPushButton*>(QLatin1String(name));
    };
    int gambled = 0;
    int spins = 0;
    QObject::connect(animation, &kestrel::ui::ReelAnimation::spinEnded, [&] {
        ++spins;
        if (rules.freeSpinsActive()) {
            return;  // free spins press themselves
        }
        // The win is offered once the spin has settled, a moment after the reels stop.
        QTimer::singleShot(300, [&] {
            if (!rules.canGamble()) {
                playNext(machine);
                return;
            }
            emit machine.window()
                .findChild<kestrel::ui::PictureButton*>(QStringLiteral("doublebutton"))
                ->mouseDown();
            QTimer::singleShot(2000, [&] { button("betred")->click(); });
        });
    });
    // From the guess until the card joins the history, the step after its face is shown. A won
    // guess is collected once the panel takes presses again.
    std::vector<double> reveals;
    QElapsedTimer revealClock;
    int cardsBefore = 0;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    watch.setInterval(1);
    QObject::connect(panel, &kestrel::ui::GamblePanel::guessed, [&] {
        revealClock.start();
        cardsBefore = panel->gambleCount();
        watch.start();
    });
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (panel->gambleCount() != cardsBefore && reveals.size() == size_t(gambled)) {
            reveals.push_back(revealClock.nsecsElapsed() / 1e6);
        }
        if (rules.gambleOpen() && !panel->isBusy()) {
            watch.stop();
            button("cancelbet")->click();
        }
    });
    const auto gambleOver = [&] {
        watch.stop();
        if (++gambled == gambles) {
            QApplication::quit();
        } else {
            QTimer::singleShot(300, [&] { playNext(machine); });
        }
    };
    QObject::connect(panel, &kestrel::ui::GamblePanel::lost, gambleOver);
    QObject::connect(panel, &kestrel::ui::GamblePanel::collected, gambleOver);
    QTimer::singleShot(500, [&] { playNext(machine); });
    QApplication::exec();
    if (gambled < gambles) {
        return cutOff(QStringLiteral("after %1 of %2 gambles").arg(gambled).arg(gambles));
    }
    std::sort(reveals.begin(), reveals.end());
    std::printf(
        "screen %s: %d gambles in %d spins; card reveals %s ms (15 frames of %d ms); peak "
        "memory %ld KiB\n",
        qPrintable(screenOf(app)), gambled, spins, qPrintable([&] {
            QStringList shown;
            for (double r : reveals) {
                shown << QString::number(r, 'f', 1);
            }
            return shown.join(QStringLiteral(", "));
        }()),
        kestrel::ui::duration::kColourRevealFrame, peakKilobytes());
    return 0;
}

int idle(int argc, char* argv[], int seconds) {
    QTemporaryDir dir;
    prepareSettings(dir, 1);
    QApplication app(argc, argv);
    printFiguresWithADecimalPoint();
    kestrel::ui::MachineApp machine(kSeed);
    double used = 0;
    bool measured = false;
    // Measured from a second after start, or a second after the pictures for the screen are
    // all drawn and shown, and read before the program's shutdown begins.
    const auto measure = [&] {
        const double cpuBefore = cpuSeconds();
        QTimer::singleShot(seconds * 1000, [&used, &measured, cpuBefore] {
            used = cpuSeconds() - cpuBefore;
            measured = true;
            QApplication::quit();
        });
    };
    auto* presentation = machine.window().findChild<kestrel::Presentation*>();
    QTimer::singleShot(1000, [&] {
        if (presentation->drawing()) {
            QObject::connect(presentation, &kestrel::Presentation::drawingDone,
                             [&] { QTimer::singleShot(1000, measure); });
        } else {
            measure();
        }
    });
    QApplication::exec();
    if (!measured) {
        return cutOff(QStringLiteral("before the idle time was measured"));
    }
    std::printf("screen %s, idle %d s: CPU %.3f s (%.2f %% of one core); peak memory %ld KiB\n",
                qPrintable(screenOf(app)), seconds, used, 100.0 * used / seconds, peakKilobytes());
    return 0;
}

// --- several screens in one run -------------------------------------------------------------

struct ScreenFigures {
    QString size;
    double firstFrameMs = 0;
    double cpuPercent = 0;
    long peakKib = 0;
};

// A screen size as `screens` takes it: WxH in the screen's pixels, @R for a desktop scaled by R.
struct ScreenSize {
    QString text;  // as given
    int width = 0;
    int height = 0;
    double ratio = 1.0;
};

std::optional<ScreenSize> screenSizeOf(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})(?:@([0-9]+(?:\.[0-9]+)?))?$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    ScreenSize size{text, m.captured(1).toInt(), m.captured(2).toInt(), 1.0};
    if (m.hasCaptured(3)) {
        size.ratio = m.captured(3).toDouble();
    }
    if (size.ratio <= 0 || qRound(size.width / size.ratio) < 1 ||
        qRound(size.height / size.ratio) < 1) {
        return std::nullopt;
    }
    return size;
}

// What a copy of this tool run on one screen printed, or why it printed nothing to go by.
struct ScreenRun {
    QString output;
    QString failure;  // empty when the copy ran to its end
};

constexpr int kScreenRunTimeoutMs = 600000;

// Runs this tool once more on an offscreen screen of the given size and returns what it says.
ScreenRun runOnScreen(const QString& self, const ScreenSize& size, const QStringList& arguments) {
    QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly)) {
        return {{}, QStringLiteral("cannot write its screen description in %1").arg(dir.path())};
    }
    // The platform takes the size in the desktop's units.
    config.write(QStringLiteral("{\"screens\": [{\"name\": \"timing\", \"x\": 0, \"y\": 0, "
                                "\"width\": %1, \"height\": %2, \"dpi\": %3, \"dpr\": %4}]}")
                     .arg(qRound(size.width / size.ratio))
                     .arg(qRound(size.height / size.ratio))
                     .arg(qRound(96 * size.ratio))
                     .arg(size.ratio)
                     .toLatin1());
    config.close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    child.setProcessEnvironment(environment);
    // The copy ends with this one: a signal that ends the run leaves nothing playing behind it.
    child.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    child.start(self, arguments);
    ScreenRun run;
    if (!child.waitForFinished(kScreenRunTimeoutMs)) {
        run.failure =
            child.state() == QProcess::NotRunning
                ? QStringLiteral("could not be started: %1").arg(child.errorString())
                : QStringLiteral("did not end within %1 s").arg(kScreenRunTimeoutMs / 1000);
        child.kill();
        child.waitForFinished();
    } else if (child.exitStatus() != QProcess::NormalExit) {
        run.failure = QStringLiteral("crashed");
    } else if (child.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(child.readAllStandardError()).trimmed();
        run.failure = QStringLiteral("failed (exit status %1)").arg(child.exitCode());
        if (!said.isEmpty()) {
            run.failure += QStringLiteral(", saying\n  ") + said.section(u'\n', -1);
        }
    }
    run.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    return run;
}

std::optional<double> numberAfter(const QString& text, const QString& label) {
    const QRegularExpressionMatch m =
        QRegularExpression(QRegularExpression::escape(label) + QStringLiteral(R"(\s*([0-9.]+))"))
            .match(text);
    bool ok = false;
    const double value = m.hasMatch() ? m.captured(1).toDouble(&ok) : 0;
    return ok ? std::optional(value) : std::nullopt;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A run on one screen that printed no figures to go by: said on standard error, with what the
// copy said, and no table (a row of zeros would read as figures).
int screenRunFailed(const QString& size, const QString& what) {
    std::fprintf(stderr, "kestrel-timing: no figures: the run on %s %s\n", qPrintable(size),
                 qPrintable(what));
    return 1;
}

int screens(int argc, char* argv[], int spins, int rounds, std::vector<ScreenSize> sizes) {
    QCoreApplication app(argc, argv);
    printFiguresWithADecimalPoint();
    if (sizes.empty()) {
        for (const char* size : {"800x600", "1920x1080", "3840x2160"}) {
            sizes.push_back(*screenSizeOf(QString::fromLatin1(size)));
        }
    }
    const QString self = QCoreApplication::applicationFilePath();
    // Per size, per round. The sizes are taken in turn in every round, so that whatever else
    // the machine does meanwhile weighs on all of them alike.
    std::vector<std::vector<ScreenFigures>> runs(sizes.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < sizes.size(); ++i) {
            const ScreenSize& size = sizes[i];
            ScreenFigures f;
            f.size = size.text;
            const ScreenRun start =
                runOnScreen(self, size, {"startup", QString::number(realtimeNs())});
            if (!start.failure.isEmpty()) {
                return screenRunFailed(f.size, start.failure);
            }
            const ScreenRun play = runOnScreen(self, size, {"reels", "1", QString::number(spins)});
            if (!play.failure.isEmpty()) {
                return screenRunFailed(f.size, play.failure);
            }
            const std::optional<double> firstFrame = numberAfter(start.output, "first frame");
            const std::optional<double> played = numberAfter(play.output, "s for");
            const std::optional<double> cpu = numberAfter(play.output, "CPU");
            const std::optional<double> peak = numberAfter(play.output, "peak memory");
            if (!firstFrame || !played || !cpu || !peak) {
                return screenRunFailed(f.size, QStringLiteral("printed no figures"));
            }
            f.firstFrameMs = *firstFrame;
            f.cpuPercent = *played > 0 ? 100 * *cpu / *played : 0;
            f.peakKib = static_cast<long>(*peak);
            std::fputs(qPrintable(start.output + play.output), stdout);
            std::fflush(stdout);
            runs[i].push_back(f);
        }
    }
    std::vector<ScreenFigures> figures;
    for (const std::vector<ScreenFigures>& ofSize : runs) {
        const auto of = [&](auto field) {
            std::vector<double> values;
            for (const ScreenFigures& f : ofSize) {
                values.push_back(static_cast<double>(f.*field));
            }
            return median(values);
        };
        figures.push_back({ofSize.front().size, of(&ScreenFigures::firstFrameMs),
                           of(&ScreenFigures::cpuPercent),
                           static_cast<long>(of(&ScreenFigures::peakKib))});
    }
    // The CPU beside the first size's in the same round: the two ran back to back, so whatever
    // else the machine did weighs on both. With several rounds, their median and their spread.
    const auto roundRatios = [&](size_t size) {
        std::vector<double> ratios;
        for (size_t round = 0; round < runs[size].size(); ++round) {
            const double first = runs.front()[round].cpuPercent;
            ratios.push_back(first > 0 ? runs[size][round].cpuPercent / first : 0);
        }
        std::sort(ratios.begin(), ratios.end());
        return ratios;
    };
    std::printf("\n%-11s %12s %10s %10s %12s%s\n", "screen", "first frame", "CPU", "× first",
                "peak memory", rounds > 1 ? "   (medians of the rounds; × first per round)" : "");
    for (size_t i = 0; i < figures.size(); ++i) {
        const ScreenFigures& f = figures[i];
        const std::vector<double> ratios = roundRatios(i);
        std::printf("%-11s %9.0f ms %8.2f %% %9.2f× %9ld KiB", qPrintable(f.size), f.firstFrameMs,
                    f.cpuPercent, median(ratios), f.peakKib);
        if (rounds > 1) {
            std::printf("   %.2f–%.2f×", ratios.front(), ratios.back());
        }
        std::printf("\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        return usage();
    }
    const QByteArray mode = argv[1];
    bool ok = false;
    if (mode == "startup") {
        const qint64 launch = QByteArray(argv[2]).toLongLong(&ok);
        return ok ? startup(argc, argv, launch) : usage();
    }
    if (mode == "reels" && argc >= 4) {
        const int speed = QByteArray(argv[2]).toInt(&ok);
        bool ok2 = false;
        const int spins = QByteArray(argv[3]).toInt(&ok2);
        return ok && ok2 && (speed == 1 || speed == 2) && spins > 0
                   ? reels(argc, argv, speed, spins)
                   : usage();
    }
    if (mode == "gamble") {
        const int gambles = QByteArray(argv[2]).toInt(&ok);
        return ok && gambles > 0 ? gamble(argc, argv, gambles) : usage();
    }
    if (mode == "idle") {
        // The idle time is waited for by one timer, whose interval in ms is an int.
        constexpr int kLongestIdleSeconds = std::numeric_limits<int>::max() / 1000;
        const int seconds = QByteArray(argv[2]).toInt(&ok);
        return ok && seconds > 0 && seconds <= kLongestIdleSeconds ? idle(argc, argv, seconds)
                                                                   : usage();
    }
    if (mode == "screens") {
        const int spins = QByteArray(argv[2]).toInt(&ok);
        int rounds = 1;
        std::vector<ScreenSize> sizes;
        for (int i = 3; i < argc; ++i) {
            const QString argument = QString::fromLocal8Bit(argv[i]);
            if (argument.startsWith("--rounds=")) {
                rounds = argument.mid(9).toInt();
            } else if (const std::optional<ScreenSize> size = screenSizeOf(argument)) {
                sizes.push_back(*size);
            } else {
                std::fprintf(stderr, "kestrel-timing: %s is not a screen size WxH[@R]\n",
                             qPrintable(argument));
                return usage();
            }
        }
        return ok && spins > 0 && rounds > 0 ? screens(argc, argv, spins, rounds, sizes) : usage();
    }
    return usage();
}
