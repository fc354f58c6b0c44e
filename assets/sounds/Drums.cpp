#include "Drums.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "Filters.h"
#include "Noise.h"
#include "Sine.h"
#include "Stroke.h"

namespace kestrel::sound {
namespace {

// Each stroke gets its own noise, seeded by the drum and the moment, so the same pattern always
// sounds the same and no two strokes are identical.
Noise noiseFor(Drum drum, const Track& track, double at) {
    return Noise(static_cast<std::uint64_t>(track.at(at)) * 131u +
                 static_cast<std::uint64_t>(drum));
}

void tom(Track& track, double at, double gain, double hz) {
    Noise noise = noiseFor(Drum::HighTom, track, at);
    double phase = 0.0;
    const double rate = track.rate();
    stroke(track, at, 0.45, gain, [&](double t) {
        phase += hz * (1.0 + 0.5 * decay(t, 0.04)) / rate;
        return 0.8 * sine(phase) * decay(t, 0.16) + 0.1 * noise.next() * decay(t, 0.02);
    });
}

std::optional<Drum> drumOf(char c) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'k':
            return Drum::Kick;
        case 's':
            return Drum::Snare;
        case 'h':
            return Drum::Hat;
        case 'o':
            return Drum::OpenHat;
        case 'c':
            return Drum::Crash;
        case 't':
            return Drum::HighTom;
        case 'l':
            return Drum::LowTom;
        case 'x':
            return Drum::Clap;
        case 'n':
            return Drum::Snap;
        case 'm':
            return Drum::Shaker;
        default:
            return std::nullopt;
    }
}

}  // namespace

void hit(Track& track, Drum drum, double at, double gain) {
    const int rate = track.rate();
    Noise noise = noiseFor(drum, track, at);
    switch (drum) {
        case Drum::Kick: {
            double phase = 0.0;
            OnePole soft(3000.0, rate);
            stroke(track, at, 0.35, gain, [&](double t) {
                phase += (50.0 + 110.0 * decay(t, 0.035)) / rate;
                return sine(phase) * decay(t, 0.11) +
                       0.3 * soft.low(noise.next()) * decay(t, 0.003);
            });
            return;
        }
        case Drum::Snare: {
            StateVariable snares(1800.0, 0.7, rate);
            stroke(track, at, 0.3, gain, [&](double t) {
                const double tone =
                    0.5 * sine(185.0 * t) * decay(t, 0.05) + 0.3 * sine(330.0 * t) * decay(t, 0.03);
                const auto band = snares.run(noise.next());
                return tone + 0.8 * (band.band + 0.5 * band.high) * decay(t, 0.075);
            });
            return;
        }
        case Drum::Hat:
        case Drum::OpenHat: {
            const bool open = drum == Drum::OpenHat;
            StateVariable sizzle(std::min(7000.0, 0.35 * rate), 0.8, rate);
            stroke(track, at, open ? 0.5 : 0.1, gain, [&](double t) {
                return 0.35 * sizzle.run(noise.next()).high * decay(t, open ? 0.12 : 0.018);
            });
            return;
        }
        case Drum::Crash: {
            StateVariable wash(std::min(5000.0, 0.3 * rate), 0.6, rate);
            stroke(track, at, 2.0, gain, [&](double t) {
                const auto s = wash.run(noise.next());
                return 0.5 * (s.high + 0.5 * s.band) *
                       (0.6 * decay(t, 0.55) + 0.4 * decay(t, 0.05));
            });
            return;
        }
        case Drum::HighTom:
            tom(track, at, gain, 190.0);
            return;
        case Drum::LowTom:
            tom(track, at, gain, 120.0);
            return;
        case Drum::Clap: {
            StateVariable hands(1200.0, 1.2, rate);
            stroke(track, at, 0.25, gain, [&](double t) {
                double level = 0.6 * decay(t, 0.05);
                for (double burst : {0.0, 0.011, 0.022}) {
                    if (t >= burst) {
                        level += decay(t - burst, 0.004);
                    }
                }
                return 0.8 * hands.run(noise.next()).band * level;
            });
            return;
        }
        case Drum::Snap: {
            StateVariable fingers(std::min(2500.0, 0.4 * rate), 1.5, rate);
            stroke(track, at, 0.1, gain, [&](double t) {
                return 0.9 * fingers.run(noise.next()).band * decay(t, 0.012) +
                       0.3 * sine(1800.0 * t) * decay(t, 0.008);
            });
            return;
        }
        case Drum::Shaker: {
            StateVariable beads(std::min(4000.0, 0.33 * rate), 0.7, rate);
            stroke(track, at, 0.12, gain, [&](double t) {
                const double swell = t < 0.008 ? t / 0.008 : decay(t - 0.008, 0.03);
                return 0.3 * beads.run(noise.next()).high * swell;
            });
            return;
        }
    }
}

void pattern(Track& track, std::string_view steps, double start, double step, double gain) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (const auto drum = drumOf(steps[i])) {
            const bool accent = std::isupper(static_cast<unsigned char>(steps[i])) != 0;
            hit(track, *drum, start + static_cast<double>(i) * step, accent ? 1.3 * gain : gain);
        }
    }
}

void kit(Track& track, std::initializer_list<Lane> lanes, double start, double step) {
    for (const Lane& lane : lanes) {
        pattern(track, lane.steps, start, step, lane.gain);
    }
}

void roll(Track& track, Drum drum, double start, double length, double stroke, double fromGain,
          double toGain) {
    const auto strokes = static_cast<int>(length / stroke);
    for (int i = 0; i < strokes; ++i) {
        const double x = strokes > 1 ? static_cast<double>(i) / (strokes - 1) : 1.0;
        hit(track, drum, start + i * stroke, fromGain + (toGain - fromGain) * x);
    }
}

}  // namespace kestrel::sound
