#pragma once

#include <QImage>

namespace kestrel::art {

// The marker of `line` (1..25) for `linepics`, which holds markers 1–25 lit in their line's
// colour, then 1–25 dimmed. A marker is a jewel lamp in a chrome bezel with the line's number on
// it.
QImage markerPicture(int line, bool lit, qreal scale);

}  // namespace kestrel::art
