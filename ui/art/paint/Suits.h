#pragma once

#include <QPainterPath>
#include <QRectF>

namespace kestrel::art {

// The four suits by card number: 1 hearts, 2 clubs, 3 diamonds, 4 spades.
QPainterPath suitPath(int card, const QRectF& box);
bool isRedSuit(int card);

}  // namespace kestrel::art
