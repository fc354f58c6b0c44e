#include "Catalogue.h"

#include "Compositions.h"
#include "WaveFile.h"

namespace kestrel::sound {
namespace {

// Mechanical cues sit a little below the music so that a reel stop never shouts over a jingle.
constexpr double kMusic = -15.0;
constexpr double kCue = -17.0;

}  // namespace

std::size_t Recording::samples() const {
    return (static_cast<std::size_t>(bytes) - kWaveHeaderBytes) /
           static_cast<std::size_t>(bits / 8);
}

const std::array<Recording, 21>& catalogue() {
    static const std::array<Recording, 21> recordings = {{
        {101, 11025, 8, 4140, spinWhoosh, kCue, false},
        {102, 22050, 8, 5180, coinClink, kCue, false},
        {103, 11025, 8, 5668, refusalBuzz, kCue, false},
        {104, 22050, 16, 7196, reelThunk, kCue, false},
        {105, 11025, 8, 12572, happyPhrase, kMusic, false},
        {106, 11025, 8, 12856, sadPhrase, kMusic, false},
        {112, 11025, 8, 18836, vibesJingle, kMusic, false},
        {113, 11025, 8, 18836, twangJingle, kMusic, false},
        {114, 11025, 8, 19456, doowopJingle, kMusic, false},
        {115, 11025, 16, 21132, brassSting, kMusic, false},
        {117, 11025, 8, 25100, surfJingle, kMusic, false},
        {118, 11025, 8, 26068, organSaxJingle, kMusic, false},
        {119, 11025, 8, 26632, boogieJingle, kMusic, false},
        {120, 11025, 8, 31364, jukeboxJingle, kMusic, false},
        {121, 11025, 8, 33288, freeSpinFanfare, kMusic, false},
        {122, 11025, 8, 37628, doowopWin, kMusic, false},
        {123, 11025, 16, 43124, grandFanfare, kMusic, false},
        {125, 11025, 8, 64808, completionFanfare, kMusic, false},
        {126, 11025, 8, 251756, celebration, kMusic, false},
        {127, 44100, 8, 958560, freeSpinTune, kMusic, true},
        {128, 11025, 8, 1596, buttonClick, kCue, false},
    }};
    return recordings;
}

}  // namespace kestrel::sound
