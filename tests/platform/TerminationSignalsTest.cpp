#include <gtest/gtest.h>

#include <QSignalSpy>

#include <csignal>
#include <memory>

#include "TerminationSignals.h"

namespace kestrel {
namespace {

int signalsCaughtElsewhere = 0;
extern "C" void countSignal(int) {
    ++signalsCaughtElsewhere;
}

QList<int> numbersIn(const QSignalSpy& spy) {
    QList<int> numbers;
    for (const QList<QVariant>& arguments : spy) {
        numbers.append(arguments.at(0).toInt());
    }
    return numbers;
}

TEST(TerminationSignals, EachSignalArrivesLaterOnTheEventLoop) {
    TerminationSignals termination;
    ASSERT_TRUE(termination.isActive());
    QSignalSpy spy(&termination, &TerminationSignals::received);
    for (const int number : TerminationSignals::kSignals) {
        spy.clear();
        ASSERT_EQ(std::raise(number), 0);
        EXPECT_EQ(spy.count(), 0) << "not from inside the handler";
        ASSERT_TRUE(spy.wait(2000)) << "signal " << number;
        EXPECT_EQ(numbersIn(spy), QList<int>{number});
    }
}

TEST(TerminationSignals, BurstArrivesWholeAndInOrderAndTheReceiverMayEndTheObject) {
    auto termination = std::make_unique<TerminationSignals>();
    QSignalSpy spy(termination.get(), &TerminationSignals::received);
    std::raise(SIGTERM);
    std::raise(SIGINT);
    std::raise(SIGTERM);
    while (spy.count() < 3 && spy.wait(2000)) {
    }
    EXPECT_EQ(numbersIn(spy), (QList<int>{SIGTERM, SIGINT, SIGTERM}));

    QObject::connect(termination.get(), &TerminationSignals::received,
                     [&] { termination.reset(); });
    std::raise(SIGHUP);
    std::raise(SIGHUP);
    QSignalSpy destroyed(termination.get(), &QObject::destroyed);
    EXPECT_TRUE(destroyed.wait(2000));
}

TEST(TerminationSignals, OneObjectAtATimeAndTheEarlierHandlersComeBack) {
    signalsCaughtElsewhere = 0;  // the test may run more than once in a process
    struct sigaction counting {};
    counting.sa_handler = countSignal;
    struct sigaction saved {};
    ASSERT_EQ(::sigaction(SIGHUP, &counting, &saved), 0);
    {
        TerminationSignals first;
        TerminationSignals second;
        EXPECT_TRUE(first.isActive());
        EXPECT_FALSE(second.isActive());
        QSignalSpy spy(&first, &TerminationSignals::received);
        std::raise(SIGHUP);
        EXPECT_TRUE(spy.wait(2000));
        EXPECT_EQ(signalsCaughtElsewhere, 0);
    }
    std::raise(SIGHUP);
    EXPECT_EQ(signalsCaughtElsewhere, 1);
    ::sigaction(SIGHUP, &saved, nullptr);
}

}  // namespace
}  // namespace kestrel
