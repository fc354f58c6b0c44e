#pragma once

#include <initializer_list>
#include <string_view>

#include "Track.h"

namespace kestrel::sound {

enum class Drum { Kick, Snare, Hat, OpenHat, Crash, HighTom, LowTom, Clap, Snap, Shaker };

// One stroke of a drum at a time in seconds.
void hit(Track& track, Drum drum, double at, double gain);

// One lane of a drum pattern, a character a step: 'k' kick, 's' snare, 'h' hat, 'o' open hat,
// 'c' crash, 't' high tom, 'l' low tom, 'x' hand clap, 'n' finger snap, 'm' maracas, any other
// character a rest. An upper-case letter plays the stroke accented.
void pattern(Track& track, std::string_view steps, double start, double step, double gain);

// A drum part: lanes on one grid (see pattern()), each at its own level.
struct Lane {
    std::string_view steps;
    double gain;
};
void kit(Track& track, std::initializer_list<Lane> lanes, double start, double step);

// A roll of strokes `stroke` seconds apart whose level moves from one gain to another.
void roll(Track& track, Drum drum, double start, double length, double stroke, double fromGain,
          double toGain);

}  // namespace kestrel::sound
