#include "PictureParts.h"

#include <QPainter>
#include <algorithm>

namespace kestrel {

namespace {

bool isOneColour(const QImage& image, const QRect& area) {
    const QRgb first = image.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(line + area.left(), line + area.right() + 1,
                         [first](QRgb p) { return p == first; })) {
            return false;
        }
    }
    return true;
}

}  // namespace

ImageParts cutAround(const QImage& image, std::vector<QRect> areas) {
    ImageParts parts;
    parts.size = image.size();
    const QImage pixels =
        image.depth() == 32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    std::erase_if(areas, [&](const QRect& area) {
        return !image.rect().contains(area) || !isOneColour(pixels, area);
    });
    std::sort(areas.begin(), areas.end(),
              [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
    bool oneBand = !areas.empty();
    for (size_t i = 0; i < areas.size() && oneBand; ++i) {
        oneBand = areas[i].top() == areas.front().top() &&
                  areas[i].height() == areas.front().height() &&
                  (i == 0 || areas[i - 1].right() < areas[i].left());
    }
    if (!oneBand) {
        parts.pieces.emplace_back(QPoint(0, 0), image);
        return parts;
    }
    const auto keep = [&](const QRect& rect) {
        if (!rect.isEmpty()) {
            parts.pieces.emplace_back(rect.topLeft(), image.copy(rect));
        }
    };
    const int top = areas.front().top();
    const int bottom = areas.front().bottom();
    // Above the band, the band between and beside the areas, below it.
    keep(QRect(0, 0, image.width(), top));
    int left = 0;
    for (const QRect& area : areas) {
        keep(QRect(QPoint(left, top), QPoint(area.left() - 1, bottom)));
        parts.plain.emplace_back(area, QColor::fromRgba(pixels.pixel(area.topLeft())));
        left = area.right() + 1;
    }
    keep(QRect(QPoint(left, top), QPoint(image.width() - 1, bottom)));
    keep(QRect(0, bottom + 1, image.width(), image.height() - bottom - 1));
    return parts;
}

PixmapParts toPixmaps(ImageParts parts, qreal ratio) {
    PixmapParts out;
    out.size = parts.size;
    out.ratio = ratio;
    out.plain = std::move(parts.plain);
    for (auto& [at, image] : parts.pieces) {
        out.pieces.emplace_back(at, QPixmap::fromImage(std::move(image)));
    }
    return out;
}

QPixmap pixmapForScreen(QImage image, qreal ratio) {
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Painted in the parts' own pixels, which are the screen's: no piece is stretched, and places
// that fall between two of the painter's units still fall on whole screen pixels.
void paintParts(QPainter& painter, const PixmapParts& parts, const QRect& exposed) {
    const QRect inPixels =
        QRectF(QPointF(exposed.topLeft()) * parts.ratio, QSizeF(exposed.size()) * parts.ratio)
            .toAlignedRect();
    painter.save();
    painter.scale(1 / parts.ratio, 1 / parts.ratio);
    for (const auto& [at, pixmap] : parts.pieces) {
        if (inPixels.intersects(QRect(at, pixmap.size()))) {
            painter.drawPixmap(at, pixmap);
        }
    }
    for (const auto& [area, colour] : parts.plain) {
        if (inPixels.intersects(area)) {
            painter.fillRect(area, colour);
        }
    }
    painter.restore();
}

}  // namespace kestrel
