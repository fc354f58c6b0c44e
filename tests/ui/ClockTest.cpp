#include <gtest/gtest.h>

#include <QObject>
#include <vector>

#include "VirtualClock.h"

namespace kestrel {
namespace {

TEST(VirtualClock, TimersFireInTimeOrderOnTheirIntervals) {
    QObject owner;
    VirtualClock clock;
    ClockTimer* fast = clock.createTimer(&owner, 50, TimerPrecision::Precise);
    ClockTimer* slow = clock.createTimer(&owner, 200, TimerPrecision::Coarse);
    std::vector<std::pair<char, qint64>> ticks;
    QObject::connect(fast, &ClockTimer::timeout, [&] { ticks.push_back({'f', clock.now()}); });
    QObject::connect(slow, &ClockTimer::timeout, [&] { ticks.push_back({'s', clock.now()}); });
    slow->start();
    fast->start();
    clock.advance(200);
    const std::vector<std::pair<char, qint64>> expected = {
        {'f', 50}, {'f', 100}, {'f', 150}, {'s', 200}, {'f', 200}};
    EXPECT_EQ(ticks, expected);
}

TEST(VirtualClock, StartingARunningTimerKeepsItsRhythm) {
    QObject owner;
    VirtualClock clock;
    ClockTimer* timer = clock.createTimer(&owner, 100, TimerPrecision::Coarse);
    std::vector<qint64> at;
    QObject::connect(timer, &ClockTimer::timeout, [&] { at.push_back(clock.now()); });
    timer->start();
    clock.advance(60);
    timer->start();
    clock.advance(60);
    EXPECT_EQ(at, std::vector<qint64>{100});
}

TEST(VirtualClock, PauseInsideATickLetsOtherTimersRunButNotItself) {
    QObject owner;
    VirtualClock clock;
    ClockTimer* flash = clock.createTimer(&owner, 50, TimerPrecision::Coarse);
    ClockTimer* other = clock.createTimer(&owner, 50, TimerPrecision::Coarse);
    int flashTicks = 0, otherTicks = 0;
    QObject::connect(flash, &ClockTimer::timeout, [&] {
        ++flashTicks;
        clock.pause(150);  // a 50 ms tick plus a 150 ms pause: one tick every 200 ms
    });
    QObject::connect(other, &ClockTimer::timeout, [&] { ++otherTicks; });
    flash->start();
    other->start();
    clock.advance(1000);
    EXPECT_EQ(flashTicks, 5);
    EXPECT_GE(otherTicks, 18);
}

TEST(VirtualClock, DeferredCallsRunAfterTheHandlerNeverInsideAPause) {
    QObject owner;
    VirtualClock clock;
    ClockTimer* timer = clock.createTimer(&owner, 100, TimerPrecision::Coarse);
    std::vector<std::string> log;
    QObject::connect(timer, &ClockTimer::timeout, [&] {
        timer->stop();
        log.push_back("tick");
        clock.defer(&owner, [&] { log.push_back("deferred"); });
        clock.pause(500);
        log.push_back("after pause");
    });
    timer->start();
    clock.advance(1000);
    EXPECT_EQ(log, (std::vector<std::string>{"tick", "after pause", "deferred"}));
}

TEST(VirtualClock, DeferredCallOfAGoneObjectDoesNothing) {
    VirtualClock clock;
    bool ran = false;
    {
        QObject context;
        clock.defer(&context, [&] { ran = true; });
    }
    clock.settle();
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace kestrel
