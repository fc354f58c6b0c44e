#pragma once

#include "Track.h"

namespace kestrel::sound {

// Each composition fills a silent track of the recording's exact length and rate.

// Short cues for the machine's mechanics.
void spinWhoosh(Track& track);   // 101: a paid spin starts
void coinClink(Track& track);    // 102: a coin drops during the coin animation
void refusalBuzz(Track& track);  // 103: not enough credit
void reelThunk(Track& track);    // 104: a reel stops
void buttonClick(Track& track);  // 128: a button is pressed

// The two phrases.
void happyPhrase(Track& track);  // 105: the window opens, small wins, a gamble won
void sadPhrase(Track& track);    // 106: a gamble lost

// Win jingles, longer and grander band by band.
void vibesJingle(Track& track);     // 112
void twangJingle(Track& track);     // 113
void doowopJingle(Track& track);    // 114
void brassSting(Track& track);      // 115
void surfJingle(Track& track);      // 117
void organSaxJingle(Track& track);  // 118
void boogieJingle(Track& track);    // 119: also the win taken
void jukeboxJingle(Track& track);   // 120
void doowopWin(Track& track);       // 122
void grandFanfare(Track& track);    // 123
void celebration(Track& track);     // 126: the big win

// The free-spin feature.
void freeSpinFanfare(Track& track);    // 121: the feature is won
void completionFanfare(Track& track);  // 125: the feature is over
void freeSpinTune(Track& track);       // 127: looping music while the free spins play

}  // namespace kestrel::sound
