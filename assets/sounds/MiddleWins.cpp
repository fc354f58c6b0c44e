// Jingles of the middle win bands: a riff of two to three seconds with the whole band.

#include "Compositions.h"
#include "Drums.h"
#include "Reverb.h"
#include "Score.h"

namespace kestrel::sound {

void surfJingle(Track& track) {
    // A surf riff climbing to a tremolo-picked top note, drenched in spring reverb.
    const Part band{.start = 0.02, .beat = 0.375};
    perform(track, guitar, "E4:0.5 G4 A4 B4 D5 B4 E5:2.5~", band, 0.8);
    perform(track, bass, "E2:0.5 E2 G2 A2 B2 B2 E2:2.5", band, 0.7);
    kit(track, {{"k..k.kK", 0.55}, {"..s.tl", 0.45}, {"hhhh..", 0.3}, {"......c", 0.35}}, 0.02,
        band.beat / 2);
    reverberate(track, {.wet = 0.35, .time = 1.5, .damping = 3000.0});
}

void organSaxJingle(Track& track) {
    // A rhythm-and-blues lick on tenor sax over organ stabs and a walking bass.
    const Part band{.start = 0.02, .beat = 0.395};
    perform(track, sax, "C5:0.5 Eb5 E5 G5 A5 G5 C6:2.2", band, 0.75);
    perform(track, organ, "C4+E4+G4+A4 F4+A4+C5 C4+E4+G4+A4 C4+E4+G4+A4+D5:2.2",
            band.withLegato(0.6), 0.22);
    perform(track, bass, "C3 E3 G3 C2:2.2", band, 0.7);
    kit(track, {{"k...k.K", 0.5}, {"..s...", 0.4}, {"hhhhh.", 0.3}, {"......c", 0.35}}, 0.02,
        band.beat / 2);
    reverberate(track, {.wet = 0.2, .time = 1.0, .damping = 3000.0});
}

void boogieJingle(Track& track) {
    // Boogie-woogie piano: a rocking left hand, a run up the right, a chord and a cash bell.
    const Part band{.start = 0.02, .beat = 0.4};
    perform(track, piano, "C3+G3:0.5 C3+A3 C3+Bb3 C3+A3 C3+G3 C3+A3 C3+G3+C4:2", band, 0.45);
    perform(track, piano, "C5:0.5 E5 G5 A5 Bb5:0.25 A5 G5:0.5 C6+E6+G6:2", band, 0.6);
    perform(track, bass, "C3 E3 G3 C2:2", band, 0.6);
    perform(track, glockenspiel, "r:3 G6+C7:2", band, 0.3);
    kit(track, {{"k.....K", 0.45}, {"..s...s.", 0.35}, {"hhhhhh", 0.25}, {"......c", 0.35}}, 0.02,
        band.beat / 2);
    reverberate(track, {.wet = 0.2, .time = 1.0, .damping = 3000.0});
}

void jukeboxJingle(Track& track) {
    // Straight rock'n'roll: rhythm guitar shuffle, a sax line, a tom fill and the final chord.
    const Part band{.start = 0.02, .beat = 0.353};
    perform(track, guitar,
            "C3+G3:0.5 C3+G3 C3+A3 C3+A3 C3+G3 C3+G3 C3+A3 C3+A3 r:1 C3+G3+C4+E4:2.2",
            band.withLegato(0.7), 0.3);
    perform(track, sax, "C5:0.5 E5 G5 A5 Bb5 A5 G5 E5 D5:0.25 Eb5 E5:0.5 C6:2.2", band, 0.7);
    perform(track, brass, "r:5 E5+G5:2.2", band, 0.4);
    perform(track, bass, "C2:0.5 C3 E2 E3 G2 G3 A2 Bb2 C3:1 C2:2.2", band, 0.7);
    kit(track, {{"k.k.k.k.k.K", 0.5}, {"..s...s.tl", 0.4}, {"hhhhhhhh", 0.3}, {"..........c", 0.4}},
        0.02, band.beat / 2);
    reverberate(track, {.wet = 0.2, .time = 1.1, .damping = 3000.0});
}

}  // namespace kestrel::sound
