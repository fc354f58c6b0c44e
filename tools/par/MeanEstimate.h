#pragma once

#include <cstdint>

namespace kestrel::par {

struct Interval {
    double low = 0;
    double high = 0;

    bool contains(double value) const { return low <= value && value <= high; }
};

// The running mean and sample variance of a stream of samples (Welford's update, which stays
// accurate over billions of samples), and the 99% confidence interval of the mean.
class MeanEstimate {
public:
    void add(double sample);

    std::uint64_t count() const { return count_; }
    double mean() const { return static_cast<double>(mean_); }
    // With the n − 1 denominator; 0 below two samples.
    double sampleVariance() const;
    // mean ± z · s / √n with the normal quantile z of 0.995. Collapses to the mean below two
    // samples, where the spread is unknown.
    Interval interval99() const;

private:
    std::uint64_t count_ = 0;
    long double mean_ = 0;
    long double squares_ = 0;  // sum of squared deviations from the running mean
};

}  // namespace kestrel::par
