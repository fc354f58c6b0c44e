// The grand moments short of the big win: the free-spin fanfares, the doo-wop win and the
// brass fanfare.

#include <string>

#include "Compositions.h"
#include "Drums.h"
#include "Reverb.h"
#include "Score.h"

namespace kestrel::sound {

void freeSpinFanfare(Track& track) {
    // A surf guitar glissando down the neck over a swelling snare roll, a bugle call and a
    // big chord. The free-spin tune takes over 1.5 s after this starts, so the chord lands
    // before 0.9 s and rings until then; what follows is its echo.
    const int top = midiNote("E5");
    for (int step = 0; step <= 24; ++step) {
        const double pitch = hz(top - step);
        play(track, guitar(pitch), {0.02 + 0.016 * step, 0.05, pitch, 0.2 + 0.012 * step});
    }
    roll(track, Drum::Snare, 0.05, 0.36, 0.03, 0.1, 0.6);
    const Part call{.start = 0.42, .beat = 0.17};
    perform(track, brass, "G4:0.5 C5 E5 G5:1 C5+E5+G5+C6:5!", call, 0.8);
    perform(track, brass, "r:2.5 C4+G4:5", call, 0.5);
    perform(track, organ, "r:2.5 C4+E4+G4:5", call, 0.2);
    perform(track, vibraphone, "r:2.5 C6+E6:5", call, 0.3);
    perform(track, bass, "C2:2.5 C2:5", call, 0.7);
    pattern(track, "K....K", call.start, call.beat / 2, 0.6);
    hit(track, Drum::Crash, call.start, 0.5);
    hit(track, Drum::Crash, call.start + 2.5 * call.beat, 0.7);
    reverberate(track, {.wet = 0.3, .time = 1.4, .damping = 3500.0});
}

void doowopWin(Track& track) {
    // I-vi-IV-V sung "ooh", vibes rippling over it, and a final "wah".
    const Part song{.start = 0.02, .beat = 0.43};
    perform(track, singer(Vowel::Oo, Vowel::Oo), "C4+E4+G4 A3+C4+E4 A3+C4+F4 B3+D4+G4", song, 0.5);
    perform(track, singer(Vowel::Oo, Vowel::Ah), "r:4 E4+G4+C5:3", song, 0.55);
    perform(track, singer(Vowel::Oh, Vowel::Mm), "C3 A2 F2 G2 C3:3", song.withLegato(0.8), 0.6);
    perform(track, vibraphone, "C5:0.5 E5 A4 C5 F4 A4 G4 B4 C6+E6:3", song, 0.45);
    pattern(track, ".n.n", song.start, song.beat, 0.5);
    pattern(track, "mmmmmmmm", song.start, song.beat / 2, 0.3);
    const double last = song.start + 4 * song.beat;
    hit(track, Drum::Kick, last, 0.65);
    hit(track, Drum::Crash, last, 0.35);
    reverberate(track, {.wet = 0.25, .time = 1.2, .damping = 3000.0});
}

void grandFanfare(Track& track) {
    // Three pickup notes on the trumpets and timpani into a full chord.
    const Part pickup{.start = 0.02, .beat = 0.12};
    perform(track, brass, "G4 G4 G4 C5+E5+G5+C6:10!", pickup, 0.7);
    perform(track, brass, "G3 G3 G3 C4+G4:10", pickup, 0.45);
    perform(track, organ, "r:3 C3+G3+C4+E4+G4:10", pickup, 0.2);
    perform(track, glockenspiel, "r:3 C6 E6 G6 C6+E6+G6:7", pickup, 0.25);
    perform(track, bass, "G2 G2 G2 C2:10", pickup, 0.7);
    pattern(track, "lllL", pickup.start, pickup.beat, 0.5);
    const double chord = pickup.start + 3 * pickup.beat;
    roll(track, Drum::Snare, chord, 0.9, 0.04, 0.35, 0.05);
    hit(track, Drum::Kick, chord, 0.7);
    hit(track, Drum::Crash, chord, 0.8);
    reverberate(track, {.wet = 0.3, .time = 1.4, .damping = 4000.0});
}

void completionFanfare(Track& track) {
    // A doo-wop ballad cadence in slow triplets, ending on a warm full chord.
    const Part ballad{.start = 0.02, .beat = 0.5};
    perform(track, singer(Vowel::Oo, Vowel::Oo), "E4+G4+C5:2 E4+A4+C5:2 F4+A4+C5:2 F4+G4+B4+D5:2",
            ballad, 0.45);
    perform(track, singer(Vowel::Oo, Vowel::Ah), "r:8 E4+G4+C5:3.3", ballad, 0.5);
    perform(track, vibraphone, "G5 E5 E5 C5 A5:1.5 G5:0.5 F5:1 D5 C6+E6:3.3", ballad, 0.55);
    perform(track, sax, "G4 E4 E4 C4 A4:1.5 G4:0.5 F4:1 D4 C4+E4:3.3", ballad, 0.3);
    perform(track, bass, "C3 G2 A2 E2 F2 C3 G2 D3 C2:3.3", ballad, 0.6);
    std::string triplets;
    for (const char* chord : {"C4+E4+G4", "A3+C4+E4", "F3+A3+C4", "G3+B3+D4"}) {
        for (int i = 0; i < 6; ++i) {
            triplets += std::string(chord) + ":0.3333 ";
        }
    }
    perform(track, piano, triplets, ballad.withLegato(0.6), 0.18);
    pattern(track, "k.s.k.s.", ballad.start, ballad.beat, 0.35);
    const double last = ballad.start + 8 * ballad.beat;
    roll(track, Drum::LowTom, last - ballad.beat, ballad.beat, ballad.beat / 4, 0.2, 0.5);
    hit(track, Drum::Kick, last, 0.65);
    hit(track, Drum::Crash, last, 0.4);
    reverberate(track, {.wet = 0.25, .time = 1.4, .damping = 3000.0});
}

}  // namespace kestrel::sound
