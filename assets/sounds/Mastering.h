#pragma once

#include "Track.h"

namespace kestrel::sound {

// The last steps before a recording is written: every recording gets the same treatment so
// that the set sounds even.

// Removes any DC offset and rumble below 25 Hz.
void removeRumble(Track& track);

// Raised-cosine fades over the first and last moments, so no recording starts or ends with a
// step (a click).
void fadeEdges(Track& track, double fadeIn, double fadeOut);

// Scales the track so that its loudness (the RMS over its sounding parts, ignoring silences)
// is `loudness` dBFS, unless that would bring its peak above `ceiling` dBFS; then the peak
// decides.
void setLevel(Track& track, double loudness, double ceiling);

// Turns a looping track so that it starts at the quietest zero crossing in the `window` seconds
// before `seconds`: playing the loop from its beginning then starts without a step.
void startLoopAtQuietCrossing(Track& track, double seconds, double window);

// The peak and RMS of a signal in dBFS.
double peakDb(const std::vector<float>& samples);
double loudnessDb(const std::vector<float>& samples, int rate);

}  // namespace kestrel::sound
