#include "Raster.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <vector>

#include "ScaledSize.h"

namespace kestrel::art {

namespace {

// n / d for the sums a box pass makes, by a multiplication: with m = ⌊2²⁴ / d⌋ + 1 the
// quotient ⌊n·m / 2²⁴⌋ is exact for every n below 2²⁴ / d, which holds for n ≤ 255 d while
// d < 256; and n·m stays within 32 bits.
class Divider {
public:
    explicit Divider(int d) : m_((1u << 24) / static_cast<quint32>(d) + 1) {}
    uchar operator()(int n) const {
        return static_cast<uchar>((static_cast<quint32>(n) * m_) >> 24);
    }

private:
    quint32 m_;
};

// The widest box the divider serves: a window of 2 × 127 + 1 pixels.
constexpr int kMaxRadius = 127;

// The box passes work on the four bytes of each premultiplied pixel alike, so a line of w
// pixels is 4w independent lanes.
constexpr int kLanes = 4;

// One pass along a row of `width` pixels, edges clamped.
void boxRow(uchar* row, int width, int radius, const Divider& divide, std::vector<uchar>& copy) {
    copy.assign(row, row + width * kLanes);
    const auto at = [&](int x) { return copy.data() + kLanes * std::clamp(x, 0, width - 1); };
    int sum[kLanes] = {0, 0, 0, 0};
    for (int x = -radius; x <= radius; ++x) {
        for (int c = 0; c < kLanes; ++c) {
            sum[c] += at(x)[c];
        }
    }
    for (int x = 0; x < width; ++x) {
        const uchar* add = at(x + radius + 1);
        const uchar* drop = at(x - radius);
        for (int c = 0; c < kLanes; ++c) {
            row[kLanes * x + c] = divide(sum[c]);
            sum[c] += add[c] - drop[c];
        }
    }
}

// One pass down every column of `from` at once into `to`, row after row (edges clamped), which
// reads the picture in the order it lies in memory.
void boxColumns(const QImage& from, QImage& to, int radius, const Divider& divide,
                std::vector<int>& sums) {
    const int height = from.height();
    const int lanes = from.width() * kLanes;
    const auto row = [&](int y) { return from.constScanLine(std::clamp(y, 0, height - 1)); };
    sums.assign(static_cast<size_t>(lanes), 0);
    int* sum = sums.data();
    for (int y = -radius; y <= radius; ++y) {
        const uchar* in = row(y);
        for (int l = 0; l < lanes; ++l) {
            sum[l] += in[l];
        }
    }
    for (int y = 0; y < height; ++y) {
        uchar* out = to.scanLine(y);
        const uchar* add = row(y + radius + 1);
        const uchar* drop = row(y - radius);
        for (int l = 0; l < lanes; ++l) {
            out[l] = divide(sum[l]);
            sum[l] += add[l] - drop[l];
        }
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
    const int radius = std::min(deviceRadius(logicalRadius, image.devicePixelRatio()), kMaxRadius);
    if (radius < 1) {
        return image;
    }
    const Divider divide(2 * radius + 1);
    QImage other(image.size(), image.format());
    other.setDevicePixelRatio(image.devicePixelRatio());
    std::vector<uchar> copy;
    std::vector<int> sums;
    for (int pass = 0; pass < 3; ++pass) {
        if (horizontal) {
            for (int y = 0; y < image.height(); ++y) {
                boxRow(image.scanLine(y), image.width(), radius, divide, copy);
            }
        }
        boxColumns(image, other, radius, divide, sums);
        std::swap(image, other);
    }
    return image;
}

}  // namespace

QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

ArtPainter::ArtPainter(QImage* image) : QPainter(image) {
    const qreal ratio = image->devicePixelRatio();
    if (ratio < 1) {
        scale(ratio, ratio);
    }
}

QImage transparentImage(QSize size, qreal scale) {
    return transparentPixels(scaledSize(size, scale), scale);
}

QImage transparentPixels(QSize pixels, qreal scale) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage transparentLike(const QImage& image) {
    return transparentPixels(image.size(), image.devicePixelRatio());
}

QRectF logicalRect(const QImage& image) {
    return QRectF(QPointF(0, 0), image.deviceIndependentSize());
}

QRectF edgeRect(const QImage& image) {
    return logicalRect(image).adjusted(0.5, 0.5, -0.5, -0.5);
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

QRect coveredRect(const QImage& image) {
    const QImage pixels = premultiplied(image);
    int left = pixels.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int first = 0;
        while (first < pixels.width() && qAlpha(line[first]) == 0) {
            ++first;
        }
        if (first == pixels.width()) {
            continue;
        }
        int last = pixels.width() - 1;
        while (qAlpha(line[last]) == 0) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        top = top < 0 ? y : top;
        bottom = y;
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage blurred(const QImage& image, int radius) {
    return blur(image, radius, true);
}

QImage blurredVertically(const QImage& image, int radius) {
    return blur(image, radius, false);
}

QImage silhouette(const QImage& image, const QColor& colour, int blurRadius, QPointF offset) {
    QImage shape = transparentLike(image);
    ArtPainter painter(&shape);
    painter.drawImage(offset, image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(logicalRect(shape), colour);
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
