#include "ScreenPicture.h"

#include "PictureParts.h"

namespace kestrel {

ScreenPicture::ScreenPicture(Picture picture, QObject* parent)
    : QObject(parent), picture_(picture) {}

ScreenPicture::~ScreenPicture() = default;

void ScreenPicture::drawFor(qreal ratio) {
    ratio_ = ratio;
    if (ratio == 1.0) {
        if (renderer_) {
            renderer_->stop();
        }
        return;
    }
    if (!renderer_) {
        renderer_ = std::make_unique<ArtRenderer>(
            this, [this](ArtRenderer::Drawn drawn, bool) { receive(std::move(drawn)); });
    }
    renderer_->start(ratio, {ArtKey::single(picture_)});
}

// Only the last drawFor()'s picture arrives, so ratio_ is the one it was drawn for. Missing art
// sources deliver nothing: the window keeps the book's picture.
void ScreenPicture::receive(ArtRenderer::Drawn drawn) {
    for (ArtRenderer::Drawing& drawing : drawn) {
        if (drawing.key == ArtKey::single(picture_) && !drawing.image.isNull()) {
            emit this->drawn(pixmapForScreen(std::move(drawing.image), ratio_));
        }
    }
}

}  // namespace kestrel
