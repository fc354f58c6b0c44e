#include <gtest/gtest.h>

#include <QObject>
#include <algorithm>
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

// A clock on which running a step takes time: a step moves it on with spend().
class BusyClock final : public Clock {
public:
    ClockTimer* createTimer(QObject*, int, TimerPrecision) override { return nullptr; }
    void singleShot(QObject*, int ms, std::function<void()> fn) override {
        shots_.push_back({now_ + std::max(ms, 0), std::move(fn)});
    }
    qint64 now() const override { return now_; }
    qint64 secondsSinceEpoch() const override { return 0; }
    void spend(qint64 ms) { now_ += ms; }
    // Fires the shots, the earliest first, each no sooner than it is due.
    void run() {
        while (!shots_.empty()) {
            auto next =
                std::min_element(shots_.begin(), shots_.end(),
                                 [](const Shot& a, const Shot& b) { return a.due < b.due; });
            now_ = std::max(now_, next->due);
            std::function<void()> fn = std::move(next->fn);
            shots_.erase(next);
            fn();
        }
    }

private:
    struct Shot {
        qint64 due;
        std::function<void()> fn;
    };
    std::vector<Shot> shots_;
    qint64 now_ = 0;
};

// Steps that take time keep the pace of their delays (a reveal of fifteen 10 ms frames, each
// 7 ms to draw, takes 150 ms, not 255): a step is due its delay after the one before was due.
// One that overruns is followed at once, never early; a sequence started later counts from then.
TEST(Sequencer, StepsThatTakeTimeKeepThePaceOfTheirDelays) {
    QObject owner;
    BusyClock clock;
    Sequencer sequence(clock, &owner);
    std::vector<qint64> ran;
    for (int frame = 1; frame <= 15; ++frame) {
        sequence.then(10, [&] {
            ran.push_back(clock.now());
            clock.spend(7);
        });
    }
    sequence.then(10, [&] {
        ran.push_back(clock.now());
        clock.spend(25);
        sequence.then(10, [&] { ran.push_back(clock.now()); });
    });
    clock.run();
    ASSERT_EQ(ran.size(), 17u);
    for (size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(ran[i], 10 * qint64(i + 1)) << "step " << i + 1;
    }
    EXPECT_EQ(ran[16], 160 + 25) << "after a step that overran its successor's delay";

    clock.spend(1000);
    ran.clear();
    sequence.then(30, [&] { ran.push_back(clock.now()); });
    clock.run();
    EXPECT_EQ(ran, (std::vector<qint64>{185 + 1000 + 30}));
}

}  // namespace
}  // namespace kestrel
