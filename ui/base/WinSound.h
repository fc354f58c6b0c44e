#pragma once

#include <cstdint>

namespace kestrel::ui {

// The recording a paid win plays at settling, by the size of the win in credits; 0 for none.
// Every win above 750 plays the big celebration, 1001 included.
constexpr int winSound(std::int32_t win) {
    struct Band {
        std::int32_t upTo;
        int resource;
    };
    constexpr Band kBands[] = {{0, 0},     {10, 105},  {21, 112},  {30, 113},
                               {40, 114},  {50, 115},  {100, 117}, {120, 118},
                               {150, 119}, {300, 120}, {600, 122}, {750, 123}};
    for (const Band& band : kBands) {
        if (win <= band.upTo) {
            return band.resource;
        }
    }
    return 126;
}

}  // namespace kestrel::ui
