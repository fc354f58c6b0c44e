#pragma once

#include <array>
#include <cstddef>

#include "Track.h"

namespace kestrel::sound {

// One recording the game embeds: its format, the exact size of its file and how it is made.
struct Recording {
    int resource;  // written as RESOURCE_ID_<resource>.wav
    int rate;
    int bits;
    int bytes;  // the whole file, header included
    void (*compose)(Track&);
    double loudness;  // dBFS over the sounding parts
    bool loops;

    std::size_t samples() const;
};

const std::array<Recording, 21>& catalogue();

}  // namespace kestrel::sound
