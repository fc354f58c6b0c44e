// The Qt Multimedia player, run with no audio device (see PlayerTestMain.cpp): it must read
// every recording, play one sound at a time and never wait for one.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "QtSoundPlayer.h"

namespace kestrel {
namespace {

// The samples of each recording are taken out of its WAVE image whatever its rate and sample
// size: the click (11025 Hz, 8 bits), the reel stop (22050 Hz, 16 bits), the free-spin tune
// (44100 Hz, 8 bits).
TEST(QtSoundPlayer, ReadsEveryRecordingFromTheResources) {
    QElapsedTimer clock;
    clock.start();
    QtSoundPlayer player;
    std::printf("construction %.2f ms\n", clock.nsecsElapsed() / 1e6);
    for (int resource : kSoundResources) {
        ASSERT_TRUE(player.lengthOf(resource).has_value()) << resource;
        EXPECT_GT(*player.lengthOf(resource), 100.0) << resource;
    }
    EXPECT_NEAR(*player.lengthOf(128), 140.8, 0.1);
    EXPECT_NEAR(*player.lengthOf(104), 162.2, 0.1);
    EXPECT_NEAR(*player.lengthOf(127), 21735.1, 0.1);
}

TEST(QtSoundPlayer, PlaysNothingForAnUnknownResourceAndLeavesTheCurrentSoundAlone) {
    QtSoundPlayer player;
    player.play(127, true);
    for (int unknown : {0, 100, 107, 111, 116, 124, 129, -105}) {
        EXPECT_FALSE(player.lengthOf(unknown).has_value());
        player.play(unknown);
    }
    EXPECT_EQ(player.current(), 127);
    EXPECT_TRUE(player.currentLoops());
}

TEST(QtSoundPlayer, PlaysOneSoundAtATimeAndLoopsOnlyWhenAsked) {
    QtSoundPlayer player;
    EXPECT_EQ(player.current(), 0);
    player.play(127, true);
    EXPECT_EQ(player.current(), 127);
    EXPECT_TRUE(player.currentLoops());

    player.play(128);
    EXPECT_EQ(player.current(), 128);
    EXPECT_FALSE(player.currentLoops());

    player.play(127);  // the same recording again, this time once
    EXPECT_EQ(player.current(), 127);
    EXPECT_FALSE(player.currentLoops());
}

// Nothing is opened without an output, and nothing is said about it.
TEST(QtSoundPlayer, ReturnsAtOnceWithoutAnAudioDevice) {
    QElapsedTimer clock;
    clock.start();
    QtSoundPlayer player;
    const qint64 before = clock.nsecsElapsed();
    for (int round = 0; round < 10; ++round) {
        for (int resource : kSoundResources) {
            player.play(resource, resource == 127);
            EXPECT_FALSE(player.streaming());
        }
    }
    std::printf("210 plays without a device: %.2f ms\n", (clock.nsecsElapsed() - before) / 1e6);
}

}  // namespace
}  // namespace kestrel
