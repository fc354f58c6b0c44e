// Jingles of the small win bands: a bar of jukebox music each, under two seconds.

#include <string_view>

#include "Compositions.h"
#include "Drums.h"
#include "Reverb.h"
#include "Score.h"

namespace kestrel::sound {
namespace {

// Five eighths of a lead line climbing to a held chord over a bass line and a light kit
// (kick, snare, hats, a crash on the chord), then the room.
void eighthsToAChord(Track& track, const Instrument& lead, std::string_view melody,
                     std::string_view bassLine, const Room& room) {
    const Part eighths{.start = 0.02, .beat = 0.17};
    perform(track, lead, melody, eighths, 0.8);
    perform(track, bass, bassLine, eighths, 0.7);
    kit(track, {{"k...k", 0.5}, {"..s..", 0.4}, {"hhhhh", 0.3}, {".....c", 0.25}}, eighths.start,
        eighths.beat);
    reverberate(track, room);
}

}  // namespace

void vibesJingle(Track& track) {
    eighthsToAChord(track, vibraphone, "E5 G5 A5 C6 A5 G5+C6+E6:4", "C3:2 A2:2 G2:1 C3:4",
                    {.wet = 0.2, .time = 0.9, .damping = 3000.0});
}

void twangJingle(Track& track) {
    perform(track, guitar, "r:5 B4+D5:4", {.start = 0.02, .beat = 0.17}, 0.35);  // under the top G
    eighthsToAChord(track, guitar, "G4 B4 D5 E5 D5 G5:4", "G2:2 E2:2 D2:1 G2:4",
                    {.wet = 0.35, .time = 1.3, .damping = 3500.0});
}

void doowopJingle(Track& track) {
    // "Doo, doo, doo-wah!" in three parts over a sung bass.
    const Part beats{.start = 0.02, .beat = 0.2};
    perform(track, singer(Vowel::Oo, Vowel::Oo), "E4+G4+C5 E4+G4+C5 F4+A4+C5",
            beats.withLegato(0.7), 0.6);
    perform(track, singer(Vowel::Oo, Vowel::Ah), "r:3 E4+G4+A4+C5:4.5", beats, 0.6);
    perform(track, singer(Vowel::Oh, Vowel::Mm), "C3 C3 F2 C3:4.5", beats.withLegato(0.75), 0.7);
    pattern(track, ".n.n", 0.02, 0.2, 0.6);
    reverberate(track, {.wet = 0.25, .time = 1.0, .damping = 3000.0});
}

void brassSting(Track& track) {
    // "Ta-daa!": a short pickup into a full chord with a crash.
    const Part hits{.start = 0.02, .beat = 0.12};
    perform(track, brass, "B4+D5+G5:1? C5+E5+G5+C6:5!", hits, 0.7);
    perform(track, brass, "G3:1? C4+E4:5", hits, 0.5);
    perform(track, organ, "r:1 C4+E4+G4:5", hits, 0.2);
    perform(track, bass, "G2:1 C2:5", hits, 0.8);
    pattern(track, "sK", 0.02, 0.12, 0.6);
    hit(track, Drum::Crash, 0.14, 0.7);
    reverberate(track, {.wet = 0.25, .time = 1.2, .damping = 3500.0});
}

}  // namespace kestrel::sound
