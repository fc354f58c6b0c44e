#pragma once

#include <QObject>
#include <QPixmap>
#include <memory>

#include "ArtBook.h"
#include "ArtRenderer.h"

namespace kestrel {

// One picture of the game for a window of its own (the pay table), drawn for the pixels of the
// window's screen on a thread of its own, so that opening the window waits for nothing. On a
// desktop scaled to 200 % the book's picture, made for ratio 1, would be stretched to twice its
// size; the window shows it until drawn() brings the sharp one.
class ScreenPicture : public QObject {
    Q_OBJECT
public:
    ScreenPicture(Picture picture, QObject* parent);
    ~ScreenPicture() override;

    // Draws the picture for a screen of this pixel ratio. At ratio 1 the book's picture is the
    // one, and nothing is drawn. A later call replaces an earlier one still being drawn.
    void drawFor(qreal ratio);

signals:
    // The picture, drawn for the ratio and saying so by its device pixel ratio.
    void drawn(const QPixmap& picture);

private:
    void receive(ArtRenderer::Drawn drawn);

    Picture picture_;
    qreal ratio_ = 1.0;
    std::unique_ptr<ArtRenderer> renderer_;  // made when a ratio first needs it
};

}  // namespace kestrel
