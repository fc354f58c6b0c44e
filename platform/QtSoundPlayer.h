#pragma once

#include <array>
#include <memory>
#include <optional>

#include "SoundPlayer.h"

class QSoundEffect;

namespace kestrel {

// Plays the embedded recordings through Qt Multimedia, one QSoundEffect a recording, all
// created at construction in resource order. Qt reads and decodes them on its own loader
// thread, so construction costs a fraction of a millisecond and nothing waits for a sound,
// ever: with no audio device Qt accepts the sounds, plays them into nothing and never reports
// them finished, which this class never asks. On an audio output every play takes a new
// effect of the recording (decoded once, shared) in place of the one that played it last.
// Needs a running QCoreApplication and must be destroyed before it.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // Stops the sound playing and starts this one, looping until the next if asked. A
    // resource that is not one of the 21, or that failed to decode, plays nothing and leaves
    // the playing sound alone.
    void play(int resource, bool loop = false) override;

    // The effect of a recording (the one that played it last), or nullptr for an unknown
    // resource: for tests and diagnostics (status, playing, loop count).
    const QSoundEffect* effectOf(int resource) const;

private:
    static std::optional<std::size_t> indexOf(int resource);

    std::array<std::unique_ptr<QSoundEffect>, std::size(kSoundResources)> effects_;
    QSoundEffect* current_ = nullptr;
};

}  // namespace kestrel
