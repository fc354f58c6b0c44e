#include "Raster.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <vector>

#include "ScaledSize.h"

namespace kestrel::art {

namespace {

// One box-blur pass along a line of `count` pixels `stride` words apart, edges clamped.
void boxLine(QRgb* line, int count, int stride, int radius, std::vector<QRgb>& scratch) {
    scratch.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        scratch[static_cast<size_t>(i)] = line[i * stride];
    }
    const int window = 2 * radius + 1;
    int sum[4] = {0, 0, 0, 0};
    auto add = [&](QRgb p, int sign) {
        sum[0] += sign * qAlpha(p);
        sum[1] += sign * qRed(p);
        sum[2] += sign * qGreen(p);
        sum[3] += sign * qBlue(p);
    };
    auto at = [&](int i) { return scratch[static_cast<size_t>(std::clamp(i, 0, count - 1))]; };
    for (int i = -radius; i <= radius; ++i) {
        add(at(i), 1);
    }
    for (int i = 0; i < count; ++i) {
        line[i * stride] =
            qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
        add(at(i - radius), -1);
        add(at(i + radius + 1), 1);
    }
}

// The radius in device pixels that spreads a picture at `scale` as `radius` spreads it at
// 800 × 600. Three box passes of radius r spread a pixel with a variance of r(r + 1), so the
// radius is chosen for a variance scale² times as large: the same r at scale 1.
int deviceRadius(int radius, qreal scale) {
    const qreal variance = scale * scale * radius * (radius + 1);
    return qRound((qSqrt(1 + 4 * variance) - 1) / 2);
}

QImage blur(const QImage& source, int logicalRadius, bool horizontal) {
    QImage image = premultiplied(source);
    const int radius = deviceRadius(logicalRadius, image.devicePixelRatio());
    if (radius < 1) {
        return image;
    }
    std::vector<QRgb> scratch;
    const int w = image.width();
    const int h = image.height();
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const int stride = image.bytesPerLine() / 4;
    for (int pass = 0; pass < 3; ++pass) {
        if (horizontal) {
            for (int y = 0; y < h; ++y) {
                boxLine(bits + y * stride, w, 1, radius, scratch);
            }
        }
        for (int x = 0; x < w; ++x) {
            boxLine(bits + x, h, stride, radius, scratch);
        }
    }
    return image;
}

}  // namespace

QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage transparentImage(QSize size, qreal scale) {
    QImage image(scaledSize(size, scale), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage transparentLike(const QImage& image) {
    QImage blank(image.size(), QImage::Format_ARGB32_Premultiplied);
    blank.setDevicePixelRatio(image.devicePixelRatio());
    blank.fill(Qt::transparent);
    return blank;
}

QRectF edgeRect(const QImage& image) {
    return QRectF(QPointF(0, 0), image.deviceIndependentSize()).adjusted(0.5, 0.5, -0.5, -0.5);
}

void blendAt(QImage& onto, QPoint at, const QImage& image, const QRect& source) {
    const QRect from = source.isEmpty() ? image.rect() : source;
    // At a ratio of one the painter works in device pixels, and a target the size of the source
    // draws the source unscaled.
    const qreal ratio = onto.devicePixelRatio();
    onto.setDevicePixelRatio(1);
    {
        QPainter painter(&onto);
        painter.drawImage(QRect(at, from.size()), image, from);
    }
    onto.setDevicePixelRatio(ratio);
}

QImage blurred(const QImage& image, int radius) {
    return blur(image, radius, true);
}

QImage blurredVertically(const QImage& image, int radius) {
    return blur(image, radius, false);
}

QImage silhouette(const QImage& image, const QColor& colour, int blurRadius, QPointF offset) {
    QImage shape = transparentLike(image);
    QPainter painter(&shape);
    painter.drawImage(offset, image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(shape.rect(), colour);  // device pixels, more than enough in logical ones
    painter.end();
    return blurred(shape, blurRadius);
}

QImage hueShifted(const QImage& image, int degrees) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            QColor c = QColor::fromRgba(line[x]);
            if (c.alpha() == 0 || c.hsvSaturation() < 40) {
                continue;
            }
            c.setHsv((c.hsvHue() + degrees + 360) % 360, c.hsvSaturation(), c.value(), c.alpha());
            line[x] = c.rgba();
        }
    }
    return premultiplied(out);
}

QImage greyed(const QImage& image, const QColor& towards, qreal fade) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const qreal grey = 0.3 * qRed(p) + 0.55 * qGreen(p) + 0.15 * qBlue(p);
            auto mix = [&](int target) { return qRound(grey + (target - grey) * fade); };
            line[x] =
                qRgba(mix(towards.red()), mix(towards.green()), mix(towards.blue()), qAlpha(p));
        }
    }
    return premultiplied(out);
}

}  // namespace kestrel::art
