#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestrel::sound {

// First-order low-pass; high() gives the complementary high-pass of the last input.
class OnePole {
public:
    OnePole(double cutoff, int rate)
        : a_(static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * cutoff / rate))) {}

    float low(float x) {
        y_ += a_ * (x - y_);
        return y_;
    }
    float high(float x) { return x - low(x); }

private:
    float a_;
    float y_ = 0.0f;
};

// State-variable filter (topology-preserving form): stable while its cutoff moves, which the
// sweeps of the whoosh and the wah need.
class StateVariable {
public:
    StateVariable(double cutoff, double q, int rate) : rate_(rate), k_(1.0 / q) { tune(cutoff); }

    void tune(double cutoff) {
        const double limited = std::clamp(cutoff, 10.0, 0.49 * rate_);
        g_ = std::tan(std::numbers::pi * limited / rate_);
    }

    struct Outputs {
        float low;
        float band;
        float high;
    };

    Outputs run(float x) {
        const double h = (x - (g_ + k_) * s1_ - s2_) / (1.0 + g_ * (g_ + k_));
        const double b = g_ * h + s1_;
        const double l = g_ * b + s2_;
        s1_ = g_ * h + b;
        s2_ = g_ * b + l;
        return {static_cast<float>(l), static_cast<float>(b), static_cast<float>(h)};
    }

private:
    int rate_;
    double k_;
    double g_ = 0.0;
    double s1_ = 0.0;
    double s2_ = 0.0;
};

}  // namespace kestrel::sound
