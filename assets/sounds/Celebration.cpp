// The big win: a whole twelve-bar rock'n'roll number with an intro and a stop-time ending.

#include <array>
#include <string>

#include "Compositions.h"
#include "Drums.h"
#include "Reverb.h"
#include "Score.h"

namespace kestrel::sound {
namespace {

constexpr double kBeat = 0.365;  // 164 beats a minute
constexpr double kStart = 0.02;
constexpr int kIntroBeats = 4;

double beatTime(double beat) {
    return kStart + beat * kBeat;
}

// The roots of the twelve bars (I I I I IV IV I I V IV I V in C), as MIDI notes in the bass.
constexpr std::array<int, 12> kRoots = {36, 36, 36, 36, 41, 41, 36, 36, 43, 41, 36, 43};

void boogieBass(Track& track) {
    constexpr std::array<int, 8> kWalk = {0, 4, 7, 9, 10, 9, 7, 4};  // 1 3 5 6 b7 6 5 3
    for (std::size_t bar = 0; bar < kRoots.size(); ++bar) {
        for (std::size_t k = 0; k < kWalk.size(); ++k) {
            const double pitch = hz(kRoots[bar] + kWalk[k]);
            const double at = beatTime(kIntroBeats + 4.0 * bar + 0.5 * k);
            play(track, bass(pitch), {at, 0.16, pitch, 0.65});
        }
    }
}

void pianoShuffle(Track& track) {
    constexpr std::array<int, 8> kUpper = {7, 7, 9, 9, 10, 10, 9, 9};  // 5 5 6 6 b7 b7 6 6
    for (std::size_t bar = 0; bar < kRoots.size(); ++bar) {
        for (std::size_t k = 0; k < kUpper.size(); ++k) {
            const double at = beatTime(kIntroBeats + 4.0 * bar + 0.5 * k);
            for (int note : {kRoots[bar] + 12, kRoots[bar] + 12 + kUpper[k]}) {
                play(track, piano(hz(note)), {at, 0.14, hz(note), k % 2 == 0 ? 0.3 : 0.2});
            }
        }
    }
}

void drums(Track& track) {
    for (std::size_t bar = 0; bar < kRoots.size(); ++bar) {
        const double at = beatTime(kIntroBeats + 4.0 * bar);
        const double eighth = kBeat / 2;
        const bool fill = bar % 4 == 3;
        kit(track,
            {{"k...k.k.", 0.55},
             {fill ? "..s.sttl" : "..s...s.", 0.45},
             {fill ? "hhhh" : "hhhhhhho", 0.28}},
            at, eighth);
        if (bar % 4 == 0) {
            hit(track, Drum::Crash, at, 0.4);
        }
        if (bar >= 8) {
            pattern(track, "..x...x.", at, eighth, 0.35);
        }
    }
}

}  // namespace

void celebration(Track& track) {
    // Intro: the horns climb chromatically over a snare crescendo and a tom fill.
    const Part intro{.start = kStart, .beat = kBeat};
    perform(track, brass, "G4:0.5 Ab4 A4 Bb4 B4:2", intro, 0.6);
    perform(track, brass, "E4:0.5 F4 F#4 G4 F4:2", intro, 0.4);
    perform(track, glockenspiel, "C6:0.25 E6 G6 C7 G6 E6 C6:0.5", intro, 0.2);
    roll(track, Drum::Snare, beatTime(0), 2 * kBeat, kBeat / 4, 0.15, 0.5);
    pattern(track, "ttll", beatTime(2), kBeat / 2, 0.5);
    pattern(track, "KK", beatTime(3), kBeat / 2, 0.5);

    // The twelve bars: boogie bass and piano, the drums, a tenor sax riff and the turnaround.
    boogieBass(track);
    pianoShuffle(track);
    drums(track);
    const Part bars{.start = beatTime(kIntroBeats), .beat = kBeat};
    const std::string riff = "C5:0.5 C5 Eb5:0.25 E5:0.75 G5:1 E5:0.5 C5 r:1 A4:0.5 C5:1 r:1.5 ";
    const std::string turnaround =
        "D5:1 B4:0.5 G4 D5:1 r:1 C5:1 A4:0.5 F4 C5:1 r:1 E5:0.5 G5 E5 C5 G4:2 D5:1 B4 G4:2";
    perform(track, sax, riff + riff + "r:8 " + riff + turnaround, bars, 0.6);
    perform(track, sax, "r:16 " + riff, bars.transposed(5), 0.6);  // bars 5 and 6, on F
    perform(track, singer(Vowel::Oo, Vowel::Oo),
            "r:16 F4+A4+C5:8 E4+G4+C5:8 D4+G4+B4:4 F4+A4+C5:4 E4+G4+C5:4 D4+G4+B4:4", bars, 0.22);
    perform(track, glockenspiel, "G5:0.25 C6 E6 G6 r:15 G5:0.25 C6 E6 G6 r:15 G5:0.25 C6 E6 G6",
            bars, 0.18);

    // Stop-time ending: two hits, "cha-cha", a snare roll and the final chord ringing out.
    constexpr double kEnding = kIntroBeats + 48;
    const Part hits{.start = beatTime(kEnding), .beat = kBeat, .legato = 0.5};
    perform(track, brass, "C5+E5+G5:2 C5+E5+G5:2 C5+E5+G5:0.5 C5+E5+G5:1.5", hits, 0.6);
    perform(track, brass, "r:6 E5+G5+C6:3!", hits.withLegato(0.92), 0.65);
    perform(track, brass, "C4+G4:2 C4+G4:2 C4+G4:0.5 C4+G4:1.5 C4+G4+C5:3", hits, 0.4);
    perform(track, bass, "C2:2 C2:2 C2:0.5 C2:1.5 C2:3", hits.withLegato(0.6), 0.7);
    perform(track, guitar, "r:6 C4+E4+G4+C5:3~", hits, 0.18);
    perform(track, glockenspiel, "r:6 C6:0.25 E6 G6 C7", hits, 0.2);
    for (double beat : {0.0, 2.0, 4.0, 4.5, 6.0}) {
        hit(track, Drum::Kick, beatTime(kEnding + beat), 0.6);
        hit(track, Drum::Crash, beatTime(kEnding + beat), beat == 6.0 ? 0.6 : 0.3);
    }
    roll(track, Drum::Snare, beatTime(kEnding + 5), kBeat, kBeat / 4, 0.15, 0.45);
    reverberate(track, {.wet = 0.22, .time = 1.2, .damping = 3000.0});
}

}  // namespace kestrel::sound
