#include "SvgArt.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kestrel::art {

SvgArt::SvgArt(const QString& name)
    : renderer_(std::make_unique<QSvgRenderer>(QStringLiteral(":/artsrc/%1.svg").arg(name))) {}

SvgArt::~SvgArt() = default;
SvgArt::SvgArt(SvgArt&&) noexcept = default;
SvgArt& SvgArt::operator=(SvgArt&&) noexcept = default;

bool SvgArt::isValid() const {
    return renderer_->isValid();
}

void SvgArt::paint(QPainter& painter, const QRectF& bounds) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer_->render(&painter, bounds);
}

}  // namespace kestrel::art
