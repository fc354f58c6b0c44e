#include <gtest/gtest.h>

#include <QObject>
#include <string>
#include <vector>

#include "Sequencer.h"
#include "VirtualClock.h"

namespace kestrel {
namespace {

TEST(VirtualClock, TimersAndSingleShotsFireInTimeOrder) {
    QObject owner;
    VirtualClock clock;
    ClockTimer* fast = clock.createTimer(&owner, 50, TimerPrecision::Precise);
    ClockTimer* slow = clock.createTimer(&owner, 200, TimerPrecision::Coarse);
    std::vector<std::pair<char, qint64>> ticks;
    QObject::connect(fast, &ClockTimer::timeout, [&] { ticks.push_back({'f', clock.now()}); });
    QObject::connect(slow, &ClockTimer::timeout, [&] { ticks.push_back({'s', clock.now()}); });
    slow->start();
    fast->start();
    clock.singleShot(&owner, 120, [&] { ticks.push_back({'o', clock.now()}); });
    clock.advance(200);
    const std::vector<std::pair<char, qint64>> expected = {{'f', 50},  {'f', 100}, {'o', 120},
                                                           {'f', 150}, {'s', 200}, {'f', 200}};
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

TEST(VirtualClock, SingleShotOfAGoneObjectDoesNothing) {
    VirtualClock clock;
    bool ran = false;
    {
        QObject context;
        clock.singleShot(&context, 0, [&] { ran = true; });
    }
    clock.settle();
    EXPECT_FALSE(ran);
}

// Steps run one after another, each its delay after the previous; steps queued by a step come
// after those already waiting; a cancel drops what has not run, even a shot already on the clock.
TEST(Sequencer, RunsStepsInOrderAfterTheirDelaysAndCancelsTheRest) {
    QObject owner;
    VirtualClock clock;
    Sequencer sequence(clock, &owner);
    std::vector<std::string> log;
    const auto note = [&](const char* what) { log.push_back(what + std::to_string(clock.now())); };
    sequence.then(100, [&] {
        note("a");
        sequence.then(0, [&] { note("c"); });
    });
    sequence.then(50, [&] { note("b"); });
    EXPECT_TRUE(sequence.busy());
    EXPECT_TRUE(log.empty());  // nothing runs inside the call that queues it
    clock.advance(1000);
    EXPECT_EQ(log, (std::vector<std::string>{"a100", "b150", "c150"}));
    EXPECT_FALSE(sequence.busy());

    log.clear();
    sequence.then(100, [&] { note("x"); }).then(100, [&] { note("y"); });
    clock.advance(150);
    sequence.cancel();
    sequence.then(10, [&] { note("z"); });
    clock.advance(1000);
    EXPECT_EQ(log, (std::vector<std::string>{"x1100", "z1160"}));
}

}  // namespace
}  // namespace kestrel
