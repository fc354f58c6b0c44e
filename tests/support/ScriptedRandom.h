#pragma once

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "RandomSource.h"

namespace kestrel::test {

// Thrown by ScriptedRandom when a test's script cannot answer a draw. Nothing in the game or the
// window catches it, so the test ends at that draw; drawing on with a made-up value could loop
// for ever under the payout control's redraws.
class ScriptRanOut final : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// A random source that returns the values a test queued, in order. Running out of values, unless
// a fallback source was given, or a queued value outside the range asked for fails the test and
// throws ScriptRanOut. GoogleTest reports it against the test also when the draw came through
// the window's Qt signals from a press, a key, a clock advance or a close in the test body, and
// the tests after it run as usual. A draw from a destructor would end the test program instead:
// as loud, only sooner.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(RandomSource* fallback) : fallback_(fallback) {}

    void push(std::initializer_list<int> values) { queue_.insert(queue_.end(), values); }

    // One complete evaluation: five stops, then the payout control's acceptance draw.
    void pushSpin(const std::array<int, 5>& stops, int acceptance = 1) {
        queue_.insert(queue_.end(), stops.begin(), stops.end());
        queue_.push_back(acceptance);
    }

    int uniform(int n) override {
        if (queue_.empty() && fallback_ != nullptr) {
            return fallback_->uniform(n);
        }
        if (queue_.empty()) {
            fail("scripted random source ran out of values (asked for 1.." + std::to_string(n) +
                 ")");
        }
        const int value = queue_.front();
        queue_.pop_front();
        if (value < 1 || value > n) {
            fail("scripted value " + std::to_string(value) + " is outside 1.." + std::to_string(n));
        }
        return value;
    }

    bool exhausted() const { return queue_.empty(); }

private:
    // The failure is recorded before the throw, so that it stands even where the exception
    // cannot reach GoogleTest.
    [[noreturn]] static void fail(const std::string& message) {
        ADD_FAILURE() << message;
        throw ScriptRanOut(message);
    }

    RandomSource* fallback_ = nullptr;
    std::deque<int> queue_;
};

}  // namespace kestrel::test
