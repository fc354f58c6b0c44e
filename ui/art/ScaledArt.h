#pragma once

#include <QImage>
#include <optional>
#include <vector>

#include "ArtBook.h"
#include "CellLayers.h"
#include "ReelSurface.h"
#include "SymbolArt.h"

namespace kestrel::art {

// Every picture of the game drawn from its sources for the machine shown at `scale` (meant for
// 0.5 to 5): the art book's picture, but with scaledSize(its 800 × 600 size, scale) pixels, the
// vector art drawn at that size and the blurs and shadows widened with it. At scale 1 these are
// the art book's pictures, pixel for pixel.
//
// Every image has a device pixel ratio of 1. Pictures that cover every pixel come as
// Format_RGB32, so they can be copied to the screen without blending: the reel pictures
// (`spinlist`, the five reel columns, `listsingles` and the scatter and wild frames), the
// cabinet `Background`, the bet meter captions and the pay table. All others are
// Format_ARGB32_Premultiplied.
//
// The cell of row r of a reel column covers scaledRect(QRect(0, 125 r, 125, 125), scale) of the
// column, and its background is the plain reel (`spinlist` 11) there.
//
// Drawing uses QImage, QPainter on QImage, QSvgRenderer and text outlines only, so a renderer
// may live in a worker thread. Build it in the thread that draws with it and use it from that
// thread alone: its SVG renderers and the reel surface it makes on first use are not to be shared
// between threads. Each call draws afresh; only the reel surface is kept between calls.
class ScaledArt {
public:
    explicit ScaledArt(qreal scale);

    qreal scale() const { return scale_; }
    // False when a symbol's source is missing or unreadable.
    bool isValid() const;

    QImage picture(Picture picture) const;
    // Picture `index` (from 1) of a list; a null image outside the list.
    QImage picture(PictureList list, int index) const;
    // A whole list, quicker than asking for its pictures one by one where frames share layers.
    std::vector<QImage> pictures(PictureList list) const;
    QImage button(ButtonArt art, bool enabled = true) const;
    // A cell list (isCellList()) in its layers: the pictures of pictures(list) are its layers
    // laid on each row. Empty for any other list.
    CellLayers cellLayers(PictureList list) const;

    // The cabinet and the two captions of the bet meter cut from it, from one drawing of it:
    // each as picture() gives it.
    struct Cabinet {
        QImage background;
        QImage lastBetCaption;  // LABLASTBET
        QImage thisWinCaption;  // LABTHISWIN
    };
    Cabinet cabinet() const;

private:
    QImage shadowedSymbol(Symbol symbol) const;
    QImage cell(int index) const;
    QImage column(int reel, int stop) const;
    const ReelSurface& surface() const;

    qreal scale_;
    SymbolArt symbols_;
    mutable std::optional<ReelSurface> surface_;
};

}  // namespace kestrel::art
