#include "MeanEstimate.h"

#include <cmath>

namespace kestrel::par {

namespace {
constexpr double kZ99 = 2.5758293035489004;  // standard normal quantile of 0.995
}

void MeanEstimate::add(double sample) {
    ++count_;
    const long double delta = sample - mean_;
    mean_ += delta / static_cast<long double>(count_);
    squares_ += delta * (sample - mean_);
}

double MeanEstimate::sampleVariance() const {
    return count_ < 2 ? 0.0 : static_cast<double>(squares_ / static_cast<long double>(count_ - 1));
}

Interval MeanEstimate::interval99() const {
    if (count_ < 2) {
        return {mean(), mean()};
    }
    const double halfWidth = kZ99 * std::sqrt(sampleVariance() / static_cast<double>(count_));
    return {mean() - halfWidth, mean() + halfWidth};
}

}  // namespace kestrel::par
