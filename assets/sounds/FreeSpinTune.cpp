// The free-spin music: sixteen bars of surf instrumental in A minor that loop for as long as
// the free spins last. The track wraps, so the last bar's tom fill and the reverberation run on
// into the first bar exactly as they would if the tune simply went round again.

#include <array>
#include <string>

#include "Compositions.h"
#include "Drums.h"
#include "Mastering.h"
#include "Reverb.h"
#include "Score.h"

namespace kestrel::sound {
namespace {

constexpr int kBars = 16;

struct Chord {
    int root;  // MIDI note of the bass root
    const char* voicing;
};

// Am Am G G F F E E | Dm Am Dm Am F E Am E: the falling cadence of surf music, then a turn
// through D minor that ends on E and leads back to the top.
constexpr std::array<Chord, kBars> kChords = {{
    {45, "A3+C4+E4"},
    {45, "A3+C4+E4"},
    {43, "G3+B3+D4"},
    {43, "G3+B3+D4"},
    {41, "F3+A3+C4"},
    {41, "F3+A3+C4"},
    {40, "E3+G#3+B3"},
    {40, "E3+G#3+B3"},
    {38, "A3+D4+F4"},
    {45, "A3+C4+E4"},
    {38, "A3+D4+F4"},
    {45, "A3+C4+E4"},
    {41, "F3+A3+C4"},
    {40, "E3+G#3+B3"},
    {45, "A3+C4+E4"},
    {40, "E3+G#3+B3"},
}};

constexpr const char* kMelody =
    "A4:1 C5:0.5 E5 A5:1.5 G5:0.5 E5 D5 C5 B4 A4:2 "
    "G4:1 B4:0.5 D5 G5:1.5 F5:0.5 D5 C5 B4 A4 G4:2 "
    "F4:1 A4:0.5 C5 F5:1.5 E5:0.5 C5 A4 G4 A4 F4:2 "
    "E4:1 G#4:0.5 B4 E5:1.5 D5:0.5 B4 G#4 F4 G#4 E4:2~ "
    "F5:2~ E5:1 D5 E5:2~ C5:1 A4 "
    "F5 A5 G5 F5 E5:3~ r:1 "
    "A5:1 G5:0.5 F5 E5:1 D5 E5 D5:0.5 C5 B4:1 G#4 "
    "A4:0.5 B4 C5 E5 A5:2~ G#5:0.5 F5 E5 D5 B4 G#4 E4:1";

void rhythmSection(Track& track, double beat) {
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kChords[static_cast<std::size_t>(bar)];
        const double at = 4.0 * bar * beat;
        constexpr std::array<int, 8> kGallop = {0, 0, 7, 12, 7, 0, 7, 12};
        for (std::size_t k = 0; k < kGallop.size(); ++k) {
            const double pitch = hz(chord.root + kGallop[k]);
            play(track, bass(pitch),
                 {at + 0.5 * k * beat, 0.4 * beat, pitch, k % 2 == 0 ? 0.7 : 0.5});
        }
        const std::string stabs = std::string("r:0.5 ") + chord.voicing + ":0.5 r:0.5 " +
                                  chord.voicing + ":0.5 r:0.5 " + chord.voicing + ":0.5 r:0.5 " +
                                  chord.voicing + ":0.5";
        const Part inBar{.start = at, .beat = beat};
        perform(track, organ, stabs, inBar.withLegato(0.6), 0.12);
        if (bar >= 8) {
            perform(track, organ, std::string(chord.voicing) + ":4", inBar, 0.06);
        }
    }
}

void drums(Track& track, double beat) {
    const double eighth = beat / 2;
    for (int bar = 0; bar < kBars; ++bar) {
        const double at = 4.0 * bar * beat;
        const bool fill = bar % 8 == 7;
        kit(track,
            {{fill ? "k...k..." : "k...k.k.", 0.6},
             {fill ? "..s.sstl" : "..s...s.", 0.5},
             {fill ? "hhhh" : "hhhhhhhh", 0.25}},
            at, eighth);
        pattern(track, "mmmmmmmmmmmmmmmm", at, eighth / 2, 0.12);
        if (bar % 8 == 0) {
            hit(track, Drum::Crash, at, 0.35);
        }
    }
}

}  // namespace

void freeSpinTune(Track& track) {
    const double beat = track.seconds() / (4.0 * kBars);
    const Part tune{.start = 0.0, .beat = beat};
    perform(track, guitar, kMelody, tune, 0.7);
    perform(track, guitar, kMelody, tune.transposed(-12), 0.2);
    rhythmSection(track, beat);
    drums(track, beat);
    reverberate(track, {.wet = 0.3, .time = 1.6, .damping = 4000.0});
    startLoopAtQuietCrossing(track, 0.0, 0.004);
}

}  // namespace kestrel::sound
