#pragma once

#include <cmath>
#include <cstddef>

#include "Track.h"

namespace kestrel::sound {

inline double decay(double t, double timeConstant) {
    return std::exp(-t / timeConstant);
}

// Adds `seconds` of a struck sound made sample by sample: `sample(t)` is the signal t seconds
// after the stroke. A one-millisecond ramp at the onset keeps the stroke from starting on a step.
template <class Sample>
void stroke(Track& track, double at, double seconds, double gain, Sample&& sample) {
    const std::ptrdiff_t first = track.at(at);
    const auto count = static_cast<std::ptrdiff_t>(seconds * track.rate());
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / track.rate();
        const double onset = t < 0.001 ? t / 0.001 : 1.0;
        track.add(first + i, static_cast<float>(gain * onset * sample(t)));
    }
}

}  // namespace kestrel::sound
