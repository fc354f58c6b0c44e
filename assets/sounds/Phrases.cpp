// The two short phrases: a bright "ding-ding-ding" and a drooping muted trumpet.

#include "Compositions.h"
#include "Drums.h"
#include "Reverb.h"
#include "Score.h"

namespace kestrel::sound {

void happyPhrase(Track& track) {
    const Part quick{.start = 0.02, .beat = 0.09};
    perform(track, vibraphone, "C5 E5 G5 E5 G5 G5+C6+E6:6", quick, 0.8);
    perform(track, glockenspiel, "r:5 C6:6", quick, 0.2);
    perform(track, bass, "C3:3 G2:2 C3:6", quick, 0.7);
    pattern(track, "m.m.mM", 0.02, 0.09, 0.5);
    reverberate(track, {.wet = 0.2, .time = 0.8, .damping = 3000.0});
}

void sadPhrase(Track& track) {
    // Four falling half steps, the last one long and wobbling.
    const Part falling{.start = 0.02, .beat = 0.2, .legato = 0.85};
    const Instrument wobbling = [](double hz) {
        Voice v = wahBrass(hz);
        v.vibratoRate = 6.0;
        v.vibratoDepth = 0.012;
        v.vibratoDelay = 0.1;
        return v;
    };
    perform(track, wahBrass, "B4 Bb4 A4", falling, 1.0);
    perform(track, wobbling, "r:3 Ab4:2.5", falling, 1.0);
    perform(track, wahBrass, "B3 Bb3 A3 Ab3:2.5", falling, 0.35);
    reverberate(track, {.wet = 0.15, .time = 0.7, .damping = 2500.0});
}

}  // namespace kestrel::sound
