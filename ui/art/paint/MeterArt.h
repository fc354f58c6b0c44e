#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace kestrel::art {

// A meter: a chrome frame round dark glass, split into the credits (left) and dollars (right).
void paintMeter(QPainter& painter, const QRect& frame);
// A meter's caption, in the frame's caption strip.
void paintMeterCaption(QPainter& painter, const QRect& strip, const QString& text);
// The bet meter's caption strip as its own picture (`LABLASTBET`, `LABTHISWIN`): cut from the
// finished cabinet (at its scale) so it is exactly the background's pixels there, with the
// caption on them.
QImage betMeterCaption(const QImage& cabinet, const QString& text);

}  // namespace kestrel::art
