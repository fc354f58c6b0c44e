#pragma once

#include <functional>

#include "Voice.h"

namespace kestrel::sound {

// The band: each function gives the voice of one note at a frequency in hertz.
using Instrument = std::function<Voice(double hz)>;

Voice vibraphone(double hz);
Voice organ(double hz);   // drawbar organ with its vibrato
Voice guitar(double hz);  // bright bridge pickup, the surf twang
Voice bass(double hz);
Voice brass(double hz);     // trumpet and trombone section
Voice wahBrass(double hz);  // muted trumpet whose mute opens on each note
Voice sax(double hz);
Voice piano(double hz);
Voice glockenspiel(double hz);
Voice buzzer(double hz);

enum class Vowel { Oo, Oh, Ah, Ee, Mm };

// A backing singer gliding from one vowel to another ("oo-wah").
Instrument singer(Vowel from, Vowel to);

}  // namespace kestrel::sound
