#pragma once

#include <array>
#include <memory>
#include <optional>

#include "SoundPlayer.h"

class QAudioSink;

namespace kestrel {

class PcmSource;
struct Recording;

// Plays the embedded recordings through Qt Multimedia. Every recording is read from the
// resources and its samples taken out of the WAVE image once, at construction; each play then
// opens an output stream of its own that pulls those samples from memory, so play() returns at
// once and nothing ever waits for a sound.
//
// The output keeps a little of a stream queued on its side, and closing a stream drops that
// queue. A sound played once is therefore followed by a short silence: the stream is closed
// once the silence has been handed over, and only silence is lost. A looping sound goes round
// without a gap. A new sound closes the stream of the one it replaces, which is silenced at
// once. With no audio output nothing is opened.
// Needs a running QCoreApplication and must be destroyed before it.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    // Stops the sound playing and starts this one, looping until the next if asked. A
    // resource that is not one of the 21, or that could not be read, plays nothing and leaves
    // the playing sound alone.
    void play(int resource, bool loop = false) override;

    // For tests and diagnostics.
    // The length of a recording's samples in milliseconds, or nullopt for an unknown or
    // unreadable resource.
    std::optional<double> lengthOf(int resource) const;
    // The sound played last (0 before any) and whether it was asked to loop; what was asked,
    // also with no audio output.
    int current() const { return current_; }
    bool currentLoops() const { return currentLoops_; }
    // Whether an output stream is open for it: false with no output and once a sound played
    // once has been heard to its end.
    bool streaming() const;

private:
    static std::optional<std::size_t> indexOf(int resource);

    std::array<std::unique_ptr<const Recording>, std::size(kSoundResources)> recordings_;
    int current_ = 0;
    bool currentLoops_ = false;
    // The sink reads from the source, so it is declared after it and destroyed before it.
    std::unique_ptr<PcmSource> source_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace kestrel
