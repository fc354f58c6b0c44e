#pragma once

#include "Track.h"

namespace kestrel::sound {

struct Room {
    double wet;      // level of the reverberation beside the dry signal
    double time;     // seconds for the reverberation to fall by 60 dB
    double damping;  // cutoff in hertz of the losses inside the reverberation
};

// A small spring-tank style reverberation (Schroeder: four damped combs into two all-passes),
// the drip and splash of a fifties guitar amplifier.
void reverberate(Track& track, const Room& room);

}  // namespace kestrel::sound
