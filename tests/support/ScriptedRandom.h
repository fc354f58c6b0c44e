#pragma once

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <initializer_list>

#include "RandomSource.h"

namespace kestrel::test {

// A random source that returns the values a test queued, in order. Running out of values fails
// the test unless a fallback source was given; a queued value outside the range asked for fails
// it always.
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
            ADD_FAILURE() << "scripted random source ran out of values (asked for 1.." << n << ")";
            return 1;
        }
        const int value = queue_.front();
        queue_.pop_front();
        EXPECT_GE(value, 1);
        EXPECT_LE(value, n) << "scripted value out of range 1.." << n;
        return value;
    }

    bool exhausted() const { return queue_.empty(); }

private:
    RandomSource* fallback_ = nullptr;
    std::deque<int> queue_;
};

}  // namespace kestrel::test
