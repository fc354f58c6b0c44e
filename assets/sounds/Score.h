#pragma once

#include <string_view>
#include <vector>

#include "Instruments.h"
#include "Track.h"
#include "Voice.h"

namespace kestrel::sound {

// Where a line of notes is placed and how it is phrased.
struct Part {
    double start = 0.0;    // seconds at beat 0
    double beat = 0.5;     // seconds per beat
    double legato = 0.92;  // share of each written length that sounds before the release
    int transpose = 0;     // semitones

    Part withLegato(double share) const {
        Part p = *this;
        p.legato = share;
        return p;
    }
    Part transposed(int semitones) const {
        Part p = *this;
        p.transpose = semitones;
        return p;
    }
};

// The frequency of a MIDI note number (69 = A4 = 440 Hz) and the number of a note name ("C4" is
// middle C, "F#3", "Bb2").
double hz(int midiNote);
int midiNote(std::string_view name);

// Reads a line of music written as tokens separated by spaces. A token is a note ("A4"), a chord
// ("C4+E4+G4") or a rest ("r"), then an optional length in beats (":0.5"; the previous length
// when left out, 1 at first), then optional marks: '~' tremolo picking (the note repeated six
// times a beat), '!' accented, '?' soft. Throws std::invalid_argument on a malformed token.
std::vector<Note> notes(std::string_view score, const Part& part, double gain = 1.0);

// Plays a line of music on an instrument at a level.
void perform(Track& track, const Instrument& instrument, std::string_view score, const Part& part,
             double gain);

}  // namespace kestrel::sound
