#pragma once

#include <QImage>
#include <QPixmap>

#include "ArtBook.h"

namespace kestrel::test {

// One book for all the art tests: pictures are decoded once and shared.
inline const ArtBook& book() {
    static const ArtBook instance;
    return instance;
}

inline QImage argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace kestrel::test
