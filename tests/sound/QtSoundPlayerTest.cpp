// The Qt Multimedia player, run with no audio device (see PlayerTestMain.cpp): it must load
// every recording, play one sound at a time and never wait for one.

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <algorithm>
#include <cstdio>
#include <iterator>

#include "QtSoundPlayer.h"

namespace kestrel {
namespace {

// Lets Qt's loader thread finish; returns false if some recording was still loading after
// ten seconds (it takes milliseconds).
bool waitUntilLoaded(const QtSoundPlayer& player) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const bool loading = std::any_of(
            std::begin(kSoundResources), std::end(kSoundResources),
            [&](int r) { return player.effectOf(r)->status() == QSoundEffect::Loading; });
        if (!loading) {
            return true;
        }
    }
    return false;
}

TEST(QtSoundPlayer, LoadsEveryRecordingFromTheResources) {
    QElapsedTimer clock;
    clock.start();
    QtSoundPlayer player;
    const qint64 constructed = clock.nsecsElapsed();
    ASSERT_TRUE(waitUntilLoaded(player));
    const qint64 loaded = clock.nsecsElapsed();
    std::printf("construction %.2f ms, all 21 decoded after %.1f ms\n", constructed / 1e6,
                loaded / 1e6);
    for (int resource : kSoundResources) {
        EXPECT_EQ(player.effectOf(resource)->status(), QSoundEffect::Ready) << resource;
    }
}

TEST(QtSoundPlayer, PlaysNothingForAnUnknownResourceAndLeavesTheCurrentSoundAlone) {
    QtSoundPlayer player;
    ASSERT_TRUE(waitUntilLoaded(player));
    player.play(127, true);
    for (int unknown : {0, 100, 107, 111, 116, 124, 129, -105}) {
        EXPECT_EQ(player.effectOf(unknown), nullptr);
        player.play(unknown);
    }
    EXPECT_TRUE(player.effectOf(127)->isPlaying());
}

TEST(QtSoundPlayer, PlaysOneSoundAtATimeAndLoopsOnlyWhenAsked) {
    QtSoundPlayer player;
    ASSERT_TRUE(waitUntilLoaded(player));
    player.play(127, true);
    EXPECT_TRUE(player.effectOf(127)->isPlaying());
    EXPECT_EQ(player.effectOf(127)->loopCount(), QSoundEffect::Infinite);

    player.play(128);
    EXPECT_FALSE(player.effectOf(127)->isPlaying());
    EXPECT_TRUE(player.effectOf(128)->isPlaying());
    EXPECT_EQ(player.effectOf(128)->loopCount(), 1);

    player.play(127);  // the same recording again, this time once
    EXPECT_FALSE(player.effectOf(128)->isPlaying());
    EXPECT_EQ(player.effectOf(127)->loopCount(), 1);
}

TEST(QtSoundPlayer, ReturnsAtOnceWithoutAnAudioDevice) {
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        GTEST_SKIP() << "this machine has an audio output";
    }
    QElapsedTimer clock;
    clock.start();
    QtSoundPlayer player;
    // Straight away, while Qt is still loading, and again once everything is loaded: a hang
    // here would stop the test run (ctest's timeout).
    for (int resource : kSoundResources) {
        player.play(resource, resource == 127);
    }
    ASSERT_TRUE(waitUntilLoaded(player));
    const qint64 before = clock.nsecsElapsed();
    for (int round = 0; round < 10; ++round) {
        for (int resource : kSoundResources) {
            player.play(resource, resource == 127);
        }
    }
    std::printf("210 plays without a device: %.2f ms\n", (clock.nsecsElapsed() - before) / 1e6);
}

}  // namespace
}  // namespace kestrel
