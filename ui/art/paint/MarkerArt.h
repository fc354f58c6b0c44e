#pragma once

#include <QImage>
#include <vector>

namespace kestrel::art {

// `linepics`: payline markers 1–25 lit in their line's colour, then 1–25 dimmed. A marker is a
// jewel lamp in a chrome bezel with the line's number on it.
std::vector<QImage> markerPictures();

}  // namespace kestrel::art
