#include "Track.h"

#include <cmath>
#include <stdexcept>

namespace kestrel::sound {

Track::Track(int rate, std::size_t length, Ends ends)
    : rate_(rate), ends_(ends), samples_(length, 0.0f) {
    if (rate <= 0 || length == 0) {
        throw std::invalid_argument("a track needs a positive rate and length");
    }
}

std::ptrdiff_t Track::at(double seconds) const {
    return static_cast<std::ptrdiff_t>(std::lround(seconds * rate_));
}

void Track::add(std::ptrdiff_t index, float value) {
    const auto length = static_cast<std::ptrdiff_t>(samples_.size());
    if (index < 0 || index >= length) {
        if (!loops()) {
            return;
        }
        index %= length;
        if (index < 0) {
            index += length;
        }
    }
    samples_[static_cast<std::size_t>(index)] += value;
}

}  // namespace kestrel::sound
