#pragma once

#include <QRectF>
#include <QString>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace kestrel::art {

// One of the hand-drawn SVG sources in assets/art, compiled into the baker as a resource.
class SvgArt {
public:
    // `name` is the path below assets/art without ".svg", e.g. "symbols/s2-jukebox".
    explicit SvgArt(const QString& name);
    ~SvgArt();
    SvgArt(SvgArt&&) noexcept;
    SvgArt& operator=(SvgArt&&) noexcept;

    bool isValid() const;
    // Draws the whole drawing into `bounds` with the painter's current transform.
    void paint(QPainter& painter, const QRectF& bounds) const;

private:
    std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace kestrel::art
