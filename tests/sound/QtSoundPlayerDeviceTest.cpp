// The Qt Multimedia player on a sound output: what the game asks of it in play is heard, to
// the end of each recording, also when one recording follows itself quickly, and a sound
// replaced by another stops at once. What reaches the output is recorded from the monitor of
// the private server's sink (see with-sound-output.sh).

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "QtSoundPlayer.h"
#include "SoundResources.h"

namespace kestrel {
namespace {

void runEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

constexpr int kRate = 44100;

// A stretch of sound in a recording of the output, in milliseconds from its start.
struct Heard {
    double from;
    double to;
    double length() const { return to - from; }
};

// Records what the sink plays, with parec on its monitor, from construction to heard().
class OutputRecording {
public:
    explicit OutputRecording(const QString& monitor) {
        file_ = dir_.filePath("out.raw");
        parec_.setStandardOutputFile(file_);
        parec_.start("parec", {"-d", monitor, "--format=s16le", "--rate=" + QString::number(kRate),
                               "--channels=1", "--raw", "--latency-msec=10"});
        // Recording before anything plays: the file grows once parec has connected.
        QElapsedTimer clock;
        clock.start();
        if (parec_.waitForStarted(5000)) {
            while (clock.elapsed() < 5000 && !started_) {
                runEventsFor(20);
                started_ = QFileInfo(file_).size() >= kRate / 5;
            }
        }
        runEventsFor(100);
    }
    bool started() const { return started_; }

    // The stretches of sound, each ending where the output stays silent for 100 ms.
    std::vector<Heard> heard() {
        runEventsFor(400);
        parec_.terminate();
        parec_.waitForFinished(5000);
        QFile f(file_);
        std::vector<Heard> stretches;
        if (!f.open(QIODevice::ReadOnly)) {
            return stretches;
        }
        const QByteArray raw = f.readAll();
        const qsizetype gap = kRate / 10;
        qsizetype first = -1;
        qsizetype last = -1;
        const auto ms = [](qsizetype sample) { return sample * 1000.0 / kRate; };
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
            const int v = qFromLittleEndian<qint16>(raw.constData() + i);
            if (std::abs(v) < 200) {
                continue;
            }
            const qsizetype sample = i / 2;
            if (first >= 0 && sample - last > gap) {
                stretches.push_back({ms(first), ms(last + 1)});
                first = -1;
            }
            if (first < 0) {
                first = sample;
            }
            last = sample;
        }
        if (first >= 0) {
            stretches.push_back({ms(first), ms(last + 1)});
        }
        return stretches;
    }

private:
    QTemporaryDir dir_;
    QString file_;
    QProcess parec_;
    bool started_ = false;
};

// Where sounds begin and end in the recordings, from their first to their last sample that is
// not silence.
constexpr double kCoinHeard = 213.8;     // RESOURCE_ID_102, from 3 ms to 217 ms
constexpr double kWinTakenStart = 20.1;  // RESOURCE_ID_119's first sound
constexpr double kClickEnd = 86.1;       // RESOURCE_ID_128's last sound

class QtSoundPlayerOnAnOutput : public ::testing::Test {
protected:
    void SetUp() override {
        if (QMediaDevices::audioOutputs().isEmpty()) {
            GTEST_SKIP() << "this machine has no audio output";
        }
        monitor_ = qEnvironmentVariable("KESTREL_SOUND_MONITOR");
        if (monitor_.isEmpty() || QStandardPaths::findExecutable("parec").isEmpty() ||
            QStandardPaths::findExecutable("paplay").isEmpty()) {
            GTEST_SKIP() << "no monitor of the output to record (run under with-sound-output.sh)";
        }
    }

    // Plays a recording with the sound server's own player, which plays a file to its end.
    void playToTheEnd(int resource) {
        const QString file = dir_.filePath(QString::number(resource) + ".wav");
        QFile::remove(file);
        ASSERT_TRUE(QFile::copy(soundResourcePath(resource), file));
        EXPECT_EQ(QProcess::execute("paplay", {file}), 0);
    }

    QString monitor_;
    QTemporaryDir dir_;
};

// Each short sound sounds as long as it does played to its end (the first sound after a quiet
// output is left out: the monitor may miss its first milliseconds). The two players' figures
// differ by a few milliseconds from run to run; a cut tail loses 50 ms or more.
TEST_F(QtSoundPlayerOnAnOutput, ShortSoundsAreHeardToTheirEnd) {
    QtSoundPlayer player;
    OutputRecording output(monitor_);
    ASSERT_TRUE(output.started());
    player.play(104);
    runEventsFor(500);
    for (int resource : {128, 104}) {
        playToTheEnd(resource);
        runEventsFor(300);
        player.play(resource);
        runEventsFor(500);
    }
    const std::vector<Heard> heard = output.heard();
    ASSERT_EQ(heard.size(), 5u);
    std::printf("click heard %.1f ms of %.1f, reel stop %.1f ms of %.1f\n", heard[2].length(),
                heard[1].length(), heard[4].length(), heard[3].length());
    EXPECT_NEAR(heard[2].length(), heard[1].length(), 20.0);
    EXPECT_NEAR(heard[4].length(), heard[3].length(), 20.0);
}

TEST_F(QtSoundPlayerOnAnOutput, AReplacedSoundStopsAtOnce) {
    QtSoundPlayer player;
    OutputRecording output(monitor_);
    ASSERT_TRUE(output.started());
    QElapsedTimer clock;
    clock.start();
    player.play(119);  // the win taken: 2.4 s
    runEventsFor(500);
    const double replacedAfter = clock.nsecsElapsed() / 1e6;
    player.play(128);
    runEventsFor(2500);
    const std::vector<Heard> heard = output.heard();
    ASSERT_EQ(heard.size(), 1u);
    // From the win sound's first sound to the click's last.
    const double expected = replacedAfter - kWinTakenStart + kClickEnd;
    std::printf("heard %.1f ms, expected %.1f\n", heard[0].length(), expected);
    EXPECT_NEAR(heard[0].length(), expected, 30.0);
}

// The coins of one press drop a coin every 200 ms, each playing RESOURCE_ID_102 (233 ms) over
// the one before: every coin is heard, the sound never breaks off, and the last coin is heard
// to its end. Then the output is let go.
TEST_F(QtSoundPlayerOnAnOutput, ARecordingRestartedOverItselfIsHeardEveryTimeToTheEnd) {
    QtSoundPlayer player;
    OutputRecording output(monitor_);
    ASSERT_TRUE(output.started());
    QElapsedTimer clock;
    clock.start();
    double lastAfter = 0;
    for (int coin = 0; coin < 14; ++coin) {
        lastAfter = clock.nsecsElapsed() / 1e6;
        player.play(102);
        runEventsFor(200);
    }
    runEventsFor(600);
    EXPECT_EQ(player.current(), 102);
    EXPECT_FALSE(player.streaming());
    const std::vector<Heard> heard = output.heard();
    ASSERT_EQ(heard.size(), 1u);
    std::printf("coins heard %.1f ms\n", heard[0].length());
    EXPECT_NEAR(heard[0].length(), lastAfter + kCoinHeard, 40.0);
}

}  // namespace
}  // namespace kestrel

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
