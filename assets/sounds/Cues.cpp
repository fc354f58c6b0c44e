// The machine's mechanical cues: short, dry and quick to speak.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Compositions.h"
#include "Drums.h"
#include "Filters.h"
#include "Instruments.h"
#include "Noise.h"
#include "Sine.h"
#include "Stroke.h"

namespace kestrel::sound {
namespace {

// A small plastic-and-metal tick: a burst of band-limited noise with a faint ring.
void tick(Track& track, double at, double ring, double gain, std::uint64_t seed) {
    Noise noise(seed);
    StateVariable body(std::min(2800.0, 0.4 * track.rate()), 1.2, track.rate());
    stroke(track, at, 0.04, gain, [&](double t) {
        return body.run(noise.next()).band * decay(t, 0.003) +
               0.5 * sine(ring * t) * decay(t, 0.006);
    });
}

// The modes of a small metal disc (a free plate rings at these ratios, not at harmonics).
Voice coin() {
    return {.partials = {{1.0, 1.0, 1.0, 18.0},
                         {2.76, 0.6, 0.6, 26.0},
                         {5.40, 0.35, 0.35, 40.0},
                         {8.93, 0.2, 0.2, 55.0}},
            .attack = 0.0005,
            .release = 0.01};
}

}  // namespace

void spinWhoosh(Track& track) {
    const int rate = track.rate();
    const double length = track.seconds();
    constexpr double kTop = 0.22;  // where the sweep peaks and the reels are up to speed
    Noise noise(101);
    StateVariable air(350.0, 1.8, rate);
    double motor = 0.0;
    for (std::size_t i = 0; i < track.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double rising = std::min(t / kTop, 1.0);
        air.tune(t < kTop ? 350.0 * std::pow(2600.0 / 350.0, rising)
                          : 2600.0 - 1200.0 * (t - kTop) / (length - kTop));
        const double swell = t < 0.14
                                 ? (t / 0.14) * (t / 0.14)
                                 : std::pow(std::max(0.0, 1.0 - (t - 0.14) / (length - 0.16)), 1.5);
        motor += (90.0 + 110.0 * rising) / rate;
        track[i] +=
            static_cast<float>(swell * (0.8 * air.run(noise.next()).band + 0.25 * sine(motor)));
    }
    // The reels' ratchet catching, faster and softer as they gather speed.
    double at = 0.02;
    double gap = 0.06;
    for (int k = 0; at < length - 0.06; ++k) {
        tick(track, at, 900.0, 0.35 - 0.03 * k, 1010 + static_cast<std::uint64_t>(k));
        at += gap;
        gap *= 0.85;
    }
}

void coinClink(Track& track) {
    // A coin hits the tray, bounces once and settles.
    play(track, coin(), {0.004, 0.2, 1650.0, 1.0});
    play(track, coin(), {0.072, 0.14, 1790.0, 0.55});
    play(track, coin(), {0.121, 0.09, 1700.0, 0.25});
    for (double at : {0.004, 0.072, 0.121}) {
        hit(track, Drum::Shaker, at - 0.002, 0.4);
    }
}

void refusalBuzz(Track& track) {
    // "Uh-uh": two rough low buzzes, the second a step lower.
    play(track, buzzer(98.0), {0.01, 0.16, 98.0, 1.0});
    play(track, buzzer(92.0), {0.25, 0.18, 92.0, 1.0});
}

void reelThunk(Track& track) {
    const int rate = track.rate();
    Noise noise(104);
    OnePole knock(1200.0, rate);
    double phase = 0.0;
    stroke(track, 0.002, track.seconds() - 0.004, 1.0, [&](double t) {
        phase += (55.0 + 95.0 * decay(t, 0.02)) / rate;
        return sine(phase) * decay(t, 0.035) + 0.6 * knock.low(noise.next()) * decay(t, 0.008) +
               0.25 * sine(720.0 * t) * decay(t, 0.012);
    });
}

void buttonClick(Track& track) {
    tick(track, 0.003, 1500.0, 1.0, 128);   // pressed
    tick(track, 0.060, 1900.0, 0.45, 129);  // released
}

}  // namespace kestrel::sound
