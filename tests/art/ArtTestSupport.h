#pragma once

#include <QImage>
#include <QPixmap>

#include "PictureBook.h"

namespace kestrel::test {

inline QImage argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace kestrel::test
