// The Qt Multimedia player on the machine's own sound output, when it has one: what the game
// asks of it in play is heard, also when one recording follows itself quickly.

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>

#include "QtSoundPlayer.h"

namespace kestrel {
namespace {

void runEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// The coins of one press drop a coin every 200 ms, each playing RESOURCE_ID_102 (233 ms) over
// the one before: every coin is heard, and the last one to its end.
TEST(QtSoundPlayerOnAnOutput, ARecordingRestartedOverItselfPlaysToTheEnd) {
    if (QMediaDevices::audioOutputs().isEmpty()) {
        GTEST_SKIP() << "this machine has no audio output";
    }
    QtSoundPlayer player;
    runEventsFor(500);
    for (int coin = 0; coin < 14; ++coin) {
        player.play(102);
        runEventsFor(200);
    }
    runEventsFor(600);
    // Every sample of the last coin went to the output (Qt may go on calling it playing for a
    // while).
    EXPECT_EQ(player.effectOf(102)->loopsRemaining(), 0);
}

}  // namespace
}  // namespace kestrel

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
