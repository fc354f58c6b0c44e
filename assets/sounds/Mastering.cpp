#include "Mastering.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "Filters.h"

namespace kestrel::sound {
namespace {

double toDb(double amplitude) {
    return amplitude > 0.0 ? 20.0 * std::log10(amplitude)
                           : -std::numeric_limits<double>::infinity();
}

double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

void limitPeaks(Track& track, double ceiling) {
    const auto size = static_cast<std::ptrdiff_t>(track.size());
    auto wrap = [&](std::ptrdiff_t i) {
        return static_cast<std::size_t>(track.loops() ? ((i % size) + size) % size
                                                      : std::clamp<std::ptrdiff_t>(i, 0, size - 1));
    };
    const double limit = fromDb(ceiling);
    auto needed = [&](std::ptrdiff_t i) {
        const double magnitude = std::abs(track[wrap(i)]);
        return magnitude > limit ? limit / magnitude : 1.0;
    };
    // The gain falls over a 5 ms look-ahead before each peak and recovers with a 60 ms time
    // constant. Each sample's gain is the average of gains that are each the minimum over a
    // window holding that sample, so no peak gets through.
    const std::ptrdiff_t ahead = std::max<std::ptrdiff_t>(1, track.at(0.005));
    std::vector<double> held(track.size());
    std::deque<std::pair<std::ptrdiff_t, double>> window;  // rising minima of needed[i..i+ahead)
    for (std::ptrdiff_t j = 0; j < size + ahead - 1; ++j) {
        const double g = needed(j);
        while (!window.empty() && window.back().second >= g) {
            window.pop_back();
        }
        window.emplace_back(j, g);
        const std::ptrdiff_t i = j - ahead + 1;
        if (i >= 0) {
            while (window.front().first < i) {
                window.pop_front();
            }
            held[static_cast<std::size_t>(i)] = window.front().second;
        }
    }
    const double recovery = 1.0 - std::exp(-1.0 / (0.06 * track.rate()));
    double gain = 1.0;
    for (int pass = track.loops() ? 2 : 1; pass > 0; --pass) {
        for (double& h : held) {
            gain = std::min(h, gain + (1.0 - gain) * recovery);
            h = gain;
        }
    }
    double sum = 0.0;
    for (std::ptrdiff_t j = -ahead + 1; j <= 0; ++j) {
        sum += held[wrap(j)];
    }
    std::vector<float> limited(track.size());
    for (std::ptrdiff_t i = 0; i < size; ++i) {
        if (i > 0) {
            sum += held[wrap(i)] - held[wrap(i - ahead)];
        }
        limited[static_cast<std::size_t>(i)] = static_cast<float>(
            track[static_cast<std::size_t>(i)] * sum / static_cast<double>(ahead));
    }
    for (std::size_t i = 0; i < track.size(); ++i) {
        track[i] = limited[i];
    }
}

}  // namespace

void removeRumble(Track& track) {
    OnePole rumble(25.0, track.rate());
    auto highPass = [&rumble](float x) { return rumble.high(x); };
    track.process(highPass);
}

void fadeEdges(Track& track, double fadeIn, double fadeOut) {
    const auto size = static_cast<std::ptrdiff_t>(track.size());
    const auto in = std::min<std::ptrdiff_t>(track.at(fadeIn), size);
    const auto out = std::min<std::ptrdiff_t>(track.at(fadeOut), size);
    for (std::ptrdiff_t i = 0; i < in; ++i) {
        track[static_cast<std::size_t>(i)] *=
            static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / in));
    }
    for (std::ptrdiff_t i = 0; i < out; ++i) {
        track[static_cast<std::size_t>(size - 1 - i)] *=
            static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / out));
    }
}

double peakDb(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    return toDb(peak);
}

double loudnessDb(const std::vector<float>& samples, int rate) {
    // RMS over 10 ms blocks, counting only blocks within 40 dB of the loudest block: a click
    // followed by silence is as loud as its click, not as quiet as its silence.
    const auto block = static_cast<std::size_t>(std::max(1, rate / 100));
    std::vector<double> powers;
    for (std::size_t start = 0; start < samples.size(); start += block) {
        const std::size_t end = std::min(samples.size(), start + block);
        double sum = 0.0;
        for (std::size_t i = start; i < end; ++i) {
            sum += double(samples[i]) * samples[i];
        }
        powers.push_back(sum / static_cast<double>(end - start));
    }
    const double loudest = *std::max_element(powers.begin(), powers.end());
    double sum = 0.0;
    int counted = 0;
    for (double p : powers) {
        if (p >= loudest * 1e-4) {
            sum += p;
            ++counted;
        }
    }
    return counted > 0 ? 10.0 * std::log10(sum / counted) : toDb(0.0);
}

void setLevel(Track& track, double loudness, double ceiling) {
    const double peak = peakDb(track.samples());
    if (!std::isfinite(peak)) {
        throw std::runtime_error("a silent track has no level to set");
    }
    // Up to 4 dB of the loudest peaks (drum hits, mostly) may be limited to keep the set even.
    constexpr double kLimiterRange = 4.0;
    const double gainDb = std::min(loudness - loudnessDb(track.samples(), track.rate()),
                                   ceiling + kLimiterRange - peak);
    const auto gain = static_cast<float>(fromDb(gainDb));
    for (std::size_t i = 0; i < track.size(); ++i) {
        track[i] *= gain;
    }
    limitPeaks(track, ceiling);
}

void startLoopAtQuietCrossing(Track& track, double seconds, double window) {
    const auto size = static_cast<std::ptrdiff_t>(track.size());
    auto wrapped = [&](std::ptrdiff_t i) {
        return track[static_cast<std::size_t>(((i % size) + size) % size)];
    };
    const std::ptrdiff_t last = track.at(seconds);
    std::ptrdiff_t best = last;
    float quietest = std::numeric_limits<float>::max();
    for (std::ptrdiff_t i = last - track.at(window); i <= last; ++i) {
        const float a = wrapped(i - 1);
        const float b = wrapped(i);
        if ((a < 0.0f) != (b < 0.0f)) {
            // Of the two samples around the crossing, start on the one nearer to zero.
            const std::ptrdiff_t candidate = std::abs(b) <= std::abs(a) ? i : i - 1;
            if (std::abs(wrapped(candidate)) < quietest) {
                quietest = std::abs(wrapped(candidate));
                best = candidate;
            }
        }
    }
    std::vector<float> turned(track.size());
    for (std::ptrdiff_t i = 0; i < size; ++i) {
        turned[static_cast<std::size_t>(i)] = wrapped(best + i);
    }
    for (std::ptrdiff_t i = 0; i < size; ++i) {
        track[static_cast<std::size_t>(i)] = turned[static_cast<std::size_t>(i)];
    }
}

}  // namespace kestrel::sound
