#pragma once

#include <QRgb>
#include <array>

#include "Geometry.h"

namespace kestrel {

// Each payline's own colour: its marker is lit in it and the line flash draws the line in it.
inline constexpr std::array<QRgb, kLines + 1> kLineColour = {
    0,          0xFF00FFFF, 0xFF00FF00, 0xFFFFC0C0, 0xFFC000C0, 0xFF0000FF, 0xFFC04000,
    0xFFFF0000, 0xFFC0C0FF, 0xFF0000C0, 0xFFFFE0C0, 0xFFFF00FF, 0xFF008080, 0xFFC0C000,
    0xFFFFC0FF, 0xFF804040, 0xFF800000, 0xFF00C0C0, 0xFFFF8000, 0xFFFFFF00, 0xFFC000C0,
    0xFFC000C0, 0xFFC000C0, 0xFFC000C0, 0xFFC000C0, 0xFFC000C0,
};

}  // namespace kestrel
