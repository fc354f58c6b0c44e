#include "Instruments.h"

#include <array>
#include <cmath>
#include <numbers>

namespace kestrel::sound {
namespace {

struct Formant {
    double hz;
    double level;
    double width;
};
using Formants = std::array<Formant, 3>;

Formants formantsOf(Vowel vowel) {
    switch (vowel) {
        case Vowel::Oo:
            return {{{300, 1.0, 90}, {870, 0.35, 100}, {2240, 0.1, 150}}};
        case Vowel::Oh:
            return {{{500, 1.0, 90}, {850, 0.6, 100}, {2400, 0.12, 150}}};
        case Vowel::Ah:
            return {{{730, 1.0, 100}, {1090, 0.7, 110}, {2440, 0.2, 150}}};
        case Vowel::Ee:
            return {{{270, 1.0, 80}, {2290, 0.35, 120}, {3010, 0.2, 150}}};
        case Vowel::Mm:
            break;
    }
    return {{{250, 1.0, 70}, {1500, 0.03, 100}, {2500, 0.01, 150}}};
}

// The resonances of a vocal tract (or a horn's bell) at one frequency, with a small floor so
// that no harmonic vanishes entirely.
double resonance(const Formants& formants, double hz) {
    double gain = 0.02;
    for (const Formant& f : formants) {
        const double x = (hz - f.hz) / f.width;
        gain += f.level / (1.0 + x * x);
    }
    return gain;
}

// Adds harmonics 1..count with levels falling as 1 / n^slope.
void addHarmonics(Voice& v, int count, double slope, double decay, double decayPerHarmonic) {
    for (int n = 1; n <= count; ++n) {
        const double level = std::pow(n, -slope);
        v.partials.push_back({double(n), level, level, decay + decayPerHarmonic * n});
    }
}

// Struck and plucked sounds ring shorter the higher they are.
double pitchDamping(double hz, double reference) {
    return std::pow(hz / reference, 0.4);
}

}  // namespace

Voice vibraphone(double hz) {
    const double d = pitchDamping(hz, 523.0);
    return {.partials = {{1.0, 1.0, 1.0, 1.3 * d},
                         {3.98, 0.22, 0.22, 6.0 * d},
                         {9.85, 0.06, 0.06, 14.0 * d}},
            .attack = 0.002,
            .release = 0.12,
            .tremoloRate = 5.5,
            .tremoloDepth = 0.3};
}

Voice organ(double /*hz*/) {
    Voice v{.attack = 0.008, .release = 0.04, .vibratoRate = 6.7, .vibratoDepth = 0.003};
    constexpr std::array<std::array<double, 2>, 8> kDrawbars = {
        {{0.5, 0.55}, {1, 1.0}, {1.5, 0.5}, {2, 0.5}, {3, 0.25}, {4, 0.3}, {6, 0.12}, {8, 0.1}}};
    for (const auto& [ratio, level] : kDrawbars) {
        v.partials.push_back({ratio, level, level});
    }
    return v;
}

Voice guitar(double hz) {
    // A hard pick drives the string sharp for an instant: the scoop starts above the note.
    Voice v{.attack = 0.002, .release = 0.08, .scoop = -0.12, .scoopTime = 0.02};
    const double d = pitchDamping(hz, 196.0);
    constexpr double kPickup = 0.13;  // near the bridge: bright and thin
    constexpr double kStiffness = 0.00008;
    for (int n = 1; n <= 24; ++n) {
        const double level = std::abs(std::sin(std::numbers::pi * n * kPickup)) / std::pow(n, 0.8);
        v.partials.push_back({n * std::sqrt(1.0 + kStiffness * n * n), level, level,
                              (0.9 + 0.3 * std::pow(n, 1.3)) * d});
    }
    return v;
}

Voice bass(double hz) {
    Voice v{.attack = 0.004, .release = 0.05};
    addHarmonics(v, 10, 1.6, 1.2 * pitchDamping(hz, 82.0), 0.6);
    return v;
}

Voice brass(double hz) {
    // Dull at the attack, opening up within a few tens of milliseconds as the lips buzz.
    Voice v{.attack = 0.025,
            .release = 0.07,
            .morphTime = 0.035,
            .vibratoRate = 5.6,
            .vibratoDepth = 0.004,
            .vibratoDelay = 0.25,
            .scoop = 0.8,
            .scoopTime = 0.03};
    for (int n = 1; n <= 20; ++n) {
        const double f = n * hz;
        const double bright = std::pow(n, -0.75) / (1.0 + (f / 3000.0) * (f / 3000.0));
        v.partials.push_back({double(n), std::pow(n, -2.4), bright});
    }
    return v;
}

Voice wahBrass(double hz) {
    constexpr Formants kClosed = {{{450, 1.0, 120}, {900, 0.2, 150}, {2000, 0.05, 200}}};
    constexpr Formants kOpen = {{{900, 1.0, 200}, {1500, 0.8, 250}, {2600, 0.3, 300}}};
    Voice v{.attack = 0.03, .release = 0.08, .morphTime = 0.07, .scoop = 0.5};
    for (int n = 1; n <= 24; ++n) {
        const double f = n * hz;
        const double tilt = std::pow(n, -0.5);
        v.partials.push_back({double(n), tilt * resonance(kClosed, f), tilt * resonance(kOpen, f)});
    }
    return v;
}

Voice sax(double hz) {
    constexpr Formants kBody = {{{500, 1.0, 200}, {1500, 0.6, 300}, {2800, 0.2, 400}}};
    Voice v{.attack = 0.02,
            .release = 0.06,
            .morphTime = 0.03,
            .vibratoRate = 5.0,
            .vibratoDepth = 0.006,
            .vibratoDelay = 0.15,
            .scoop = 0.5};
    for (int n = 1; n <= 24; ++n) {
        const double late = std::pow(n, -0.6) * resonance(kBody, n * hz);
        v.partials.push_back({double(n), late * std::pow(n, -1.5), late});
    }
    return v;
}

Voice piano(double hz) {
    Voice v{.attack = 0.0015, .release = 0.1};
    const double d = pitchDamping(hz, 262.0);
    constexpr double kStiffness = 0.0004;
    for (int n = 1; n <= 16; ++n) {
        const double ratio = n * std::sqrt(1.0 + kStiffness * n * n);
        const double level = std::pow(n, -1.1) * (n < 8 ? 1.0 : 0.5);
        const double decay = (0.6 + 0.35 * n) * d;
        v.partials.push_back({ratio, level, level, decay});
        // The second string of the unison, a shade sharp: the slow beating of a real piano.
        v.partials.push_back({ratio * 1.0009, 0.7 * level, 0.7 * level, decay});
    }
    return v;
}

Voice glockenspiel(double hz) {
    // The modes of a free metal bar, not harmonics.
    const double d = pitchDamping(hz, 1047.0);
    return {.partials = {{1.0, 1.0, 1.0, 3.0 * d},
                         {2.756, 0.45, 0.45, 8.0 * d},
                         {5.404, 0.25, 0.25, 15.0 * d},
                         {8.933, 0.12, 0.12, 25.0 * d}},
            .attack = 0.001,
            .release = 0.05};
}

Voice buzzer(double /*hz*/) {
    Voice v{.attack = 0.006, .release = 0.025};
    for (int n = 1; n <= 30; ++n) {
        const double level = (n % 2 == 1 ? 1.0 : 0.35) / n;
        v.partials.push_back({double(n), level, level});
        v.partials.push_back({n * 1.06, 0.6 * level, 0.6 * level});  // a rough, beating second tone
    }
    return v;
}

Instrument singer(Vowel from, Vowel to) {
    return [from, to](double hz) {
        const Formants early = formantsOf(from);
        const Formants late = formantsOf(to);
        Voice v{.attack = 0.05,
                .release = 0.12,
                .morphTime = from == to ? 0.0 : 0.08,
                .vibratoRate = 5.3,
                .vibratoDepth = 0.006,
                .vibratoDelay = 0.2};
        for (int n = 1; n * hz < 4000.0; ++n) {
            const double f = n * hz;
            const double tilt = std::pow(n, -0.8);
            v.partials.push_back(
                {double(n), tilt * resonance(early, f), tilt * resonance(late, f)});
        }
        return v;
    };
}

}  // namespace kestrel::sound
