#pragma once

#include <cstddef>
#include <vector>

namespace kestrel::sound {

// A mono signal being composed at a fixed sample rate, as floats in [-1, 1]. A looping track
// wraps: whatever is written past its end continues at its start, so that its last sample leads
// straight into its first and the loop has no seam.
class Track {
public:
    enum class Ends { Cut, Wrap };

    Track(int rate, std::size_t length, Ends ends = Ends::Cut);

    int rate() const { return rate_; }
    std::size_t size() const { return samples_.size(); }
    bool loops() const { return ends_ == Ends::Wrap; }
    double seconds() const { return static_cast<double>(size()) / rate_; }
    // The sample at a time, rounded; may lie outside the track.
    std::ptrdiff_t at(double seconds) const;

    // Adds to one sample; indices outside the track wrap (looping track) or are dropped.
    void add(std::ptrdiff_t index, float value);

    float operator[](std::size_t i) const { return samples_[i]; }
    float& operator[](std::size_t i) { return samples_[i]; }
    const std::vector<float>& samples() const { return samples_; }

    // Runs a stateful sample processor (a filter, a reverb) over the whole track. On a looping
    // track it runs through the loop once to settle into the loop's steady state and then once
    // more for real, so that what the processor carries over the end (a filter's memory, a
    // reverb tail) is heard at the start.
    template <class Processor>
    void process(Processor& processor) {
        if (loops()) {
            for (float s : samples_) {
                processor(s);
            }
        }
        for (float& s : samples_) {
            s = processor(s);
        }
    }

private:
    int rate_;
    Ends ends_;
    std::vector<float> samples_;
};

}  // namespace kestrel::sound
