#pragma once

namespace kestrel {

// The game's recordings, by resource number: RESOURCE_ID_101 … RESOURCE_ID_128 (107–111, 116
// and 124 do not exist).
inline constexpr int kSoundResources[] = {101, 102, 103, 104, 105, 106, 112, 113, 114, 115, 117,
                                          118, 119, 120, 121, 122, 123, 125, 126, 127, 128};

// Plays the embedded recordings: asynchronously, one at a time (a new sound stops the one
// playing), optionally looping. Knows nothing of the player's sound switch; callers check it.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays RESOURCE_ID_<resource>; an unknown or unloadable resource plays nothing.
    virtual void play(int resource, bool loop = false) = 0;
};

}  // namespace kestrel
