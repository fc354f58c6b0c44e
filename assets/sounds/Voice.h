#pragma once

#include <vector>

#include "Track.h"

namespace kestrel::sound {

// One sine component of a voice. Its level moves from `level` towards `lateLevel` with the
// voice's morph time (a muted brass opening up, a sung vowel changing) and decays
// exponentially at `decay` per second (struck bars and strings; 0 for organ and voices).
struct Partial {
    double ratio;
    double level;
    double lateLevel;
    double decay = 0.0;
};

// How one note of an instrument sounds: additive synthesis with a smooth attack and release,
// vibrato, tremolo and an initial pitch scoop. Partials above 0.45 × the sample rate are left
// out, so nothing aliases even at 11 025 Hz.
struct Voice {
    std::vector<Partial> partials = {};
    double attack = 0.005;   // seconds, raised cosine
    double release = 0.05;   // seconds after the note's length, raised cosine
    double morphTime = 0.0;  // time constant from level to lateLevel; 0 keeps `level`
    double vibratoRate = 0.0;
    double vibratoDepth = 0.0;  // fraction of the frequency
    double vibratoDelay = 0.0;  // vibrato fades in over this many seconds
    double tremoloRate = 0.0;
    double tremoloDepth = 0.0;  // fraction of the amplitude
    double scoop = 0.0;         // semitones below the note at the onset
    double scoopTime = 0.04;    // time constant of the glide up to the note
};

struct Note {
    double start;   // seconds
    double length;  // seconds until the release begins
    double hz;
    double gain;
};

// Adds one note of the voice to the track.
void play(Track& track, const Voice& voice, const Note& note);

}  // namespace kestrel::sound
