// kestrel-timing: figures of the running program, measured on the real clock.
//   kestrel-timing startup LAUNCH_NS   ms from LAUNCH_NS (CLOCK_REALTIME, e.g. `date +%s%N`
//                                      just before the launch) to the first painted frame
//   kestrel-timing reels SPEED SPINS   plays SPINS spins at reel speed 1 or 2 and prints the
//                                      intervals between reel stops, CPU time and peak memory
//   kestrel-timing idle SECONDS        CPU time used while the machine stands idle
// It runs the same program the player runs, on a throw-away settings folder.
#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

#include "MachineApp.h"
#include "PictureButton.h"
#include "ReelAnimation.h"

namespace {

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

long peakKilobytes() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
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

int usage() {
    std::fprintf(stderr,
                 "usage: kestrel-timing startup LAUNCH_NS | reels SPEED SPINS | idle SECONDS\n");
    return 2;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(qint64 launchNs) : launchNs_(launchNs) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The frame is on screen once this paint has been handled.
            QTimer::singleShot(0, [this] {
                std::printf("first frame %.1f ms after launch\n", (realtimeNs() - launchNs_) / 1e6);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    qint64 launchNs_;
    bool seen_ = false;
};

int startup(int argc, char* argv[], qint64 launchNs) {
    QTemporaryDir dir;
    prepareSettings(dir, 1);
    QApplication app(argc, argv);
    FirstPaint watcher(launchNs);
    kestrel::ui::MachineApp machine;
    machine.frame().viewport()->installEventFilter(&watcher);
    return QApplication::exec();
}

int reels(int argc, char* argv[], int speed, int spins) {
    QTemporaryDir dir;
    prepareSettings(dir, speed);
    QApplication app(argc, argv);
    kestrel::ui::MachineApp machine;
    auto* animation = machine.window().findChild<kestrel::ui::ReelAnimation*>();
    auto* play = machine.window().findChild<QPushButton*>(QStringLiteral("play1"));
    auto* takeWin =
        machine.window().findChild<kestrel::ui::PictureButton*>(QStringLiteral("takewin"));
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> stops;  // ns, per spin five of them
    std::vector<double> gaps;
    int played = 0;
    QObject::connect(animation, &kestrel::ui::ReelAnimation::reelStopped,
                     [&](int) { stops.push_back(clock.nsecsElapsed()); });
    QObject::connect(animation, &kestrel::ui::ReelAnimation::spinEnded, [&] {
        for (size_t i = stops.size() - 4; i < stops.size(); ++i) {
            gaps.push_back((stops[i] - stops[i - 1]) / 1e6);
        }
        if (++played == spins) {
            QTimer::singleShot(300, &app, &QApplication::quit);
        } else if (!machine.window().machine().freeSpinsActive()) {
            // Free spins press themselves; a finished feature waits for its win to be taken.
            QTimer::singleShot(300, [&] {
                if (machine.window().machine().featureCompleted()) {
                    emit takeWin->mouseDown();
                }
                play->click();
            });
        }
    });
    const double cpuBefore = cpuSeconds();
    QTimer::singleShot(500, play, &QPushButton::click);
    QApplication::exec();
    const double expected = speed == 1 ? 250 : 750;
    std::sort(gaps.begin(), gaps.end());
    double worst = 0;
    for (double g : gaps) {
        worst = std::max(worst, std::abs(g - expected));
    }
    std::printf(
        "speed %d: %d spins, %zu reel-stop intervals: median %.2f ms (target %.0f), "
        "worst deviation %.2f ms\n",
        speed, played, gaps.size(), gaps[gaps.size() / 2], expected, worst);
    std::printf("CPU %.2f s for %.1f s of play; peak memory %ld KiB\n", cpuSeconds() - cpuBefore,
                clock.elapsed() / 1000.0, peakKilobytes());
    return 0;
}

int idle(int argc, char* argv[], int seconds) {
    QTemporaryDir dir;
    prepareSettings(dir, 1);
    QApplication app(argc, argv);
    kestrel::ui::MachineApp machine;
    double cpuBefore = 0;
    QTimer::singleShot(1000, [&] { cpuBefore = cpuSeconds(); });
    QTimer::singleShot(1000 + seconds * 1000, &app, &QApplication::quit);
    QApplication::exec();
    const double used = cpuSeconds() - cpuBefore;
    std::printf("idle %d s: CPU %.3f s (%.2f %% of one core); peak memory %ld KiB\n", seconds, used,
                100.0 * used / seconds, peakKilobytes());
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
    if (mode == "idle") {
        const int seconds = QByteArray(argv[2]).toInt(&ok);
        return ok && seconds > 0 ? idle(argc, argv, seconds) : usage();
    }
    return usage();
}
