#include "Voice.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Sine.h"

namespace kestrel::sound {
namespace {

// Rises from 0 to 1 as x goes from 0 to 1, with zero slope at both ends.
double smoothStep(double x) {
    if (x <= 0.0) {
        return 0.0;
    }
    if (x >= 1.0) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

struct Component {
    double ratio;
    double level;
    double lateLevel;
    double fade;  // per-sample decay factor
    double phase = 0.0;
    double amplitude = 1.0;
};

}  // namespace

void play(Track& track, const Voice& voice, const Note& note) {
    const double rate = track.rate();
    const double highest = 0.45 * rate;
    // The highest the pitch goes: the top of the vibrato, or the start of a scoop from above.
    const double widest =
        (1.0 + voice.vibratoDepth) * std::pow(2.0, std::max(0.0, -voice.scoop) / 12.0);
    std::vector<Component> components;
    for (const Partial& p : voice.partials) {
        if (p.ratio * note.hz * widest < highest) {
            components.push_back({p.ratio, p.level, p.lateLevel, std::exp(-p.decay / rate)});
        }
    }
    const double duration = note.length + voice.release;
    const auto count = static_cast<std::ptrdiff_t>(std::lround(duration * rate));
    const std::ptrdiff_t first = track.at(note.start);
    const double morphStep =
        voice.morphTime > 0.0 ? std::exp(-1.0 / (voice.morphTime * rate)) : 1.0;
    double earliness = 1.0;  // weight of `level` against `lateLevel`

    for (std::ptrdiff_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double envelope =
            smoothStep(t / voice.attack) * (1.0 - smoothStep((t - note.length) / voice.release));
        double pitch = 1.0;
        if (voice.vibratoDepth > 0.0) {
            const double depth =
                voice.vibratoDepth *
                (voice.vibratoDelay > 0.0 ? smoothStep(t / voice.vibratoDelay) : 1.0);
            pitch *= 1.0 + depth * sine(voice.vibratoRate * t);
        }
        if (voice.scoop != 0.0) {
            pitch *= std::pow(2.0, -voice.scoop * std::exp(-t / voice.scoopTime) / 12.0);
        }
        double tremolo = 1.0;
        if (voice.tremoloDepth > 0.0) {
            tremolo -= voice.tremoloDepth * (0.5 - 0.5 * sine(voice.tremoloRate * t + 0.25));
        }
        const double step = note.hz * pitch / rate;
        double sum = 0.0;
        for (Component& c : components) {
            const double level = earliness * c.level + (1.0 - earliness) * c.lateLevel;
            sum += level * c.amplitude * sineOfCycle(c.phase);
            c.phase += c.ratio * step;  // below half a cycle: the partial is below Nyquist
            if (c.phase >= 1.0) {
                c.phase -= 1.0;
            }
            c.amplitude *= c.fade;
        }
        earliness *= morphStep;
        track.add(first + i, static_cast<float>(note.gain * envelope * tremolo * sum));
        if (i % 64 == 63) {
            // Components of struck sounds that have died away below any audible step are
            // dropped, and the note ends when nothing is left of it.
            std::erase_if(components, [](const Component& c) {
                return c.amplitude * std::max(c.level, c.lateLevel) < 1e-5;
            });
            if (components.empty()) {
                break;
            }
        }
    }
}

}  // namespace kestrel::sound
