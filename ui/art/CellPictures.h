#pragma once

#include <QPixmap>
#include <array>
#include <vector>

#include "CellLayers.h"

class QPainter;

namespace kestrel {

// The cell lists drawn for a scale, kept in their layers (see CellLayers), in the window's
// thread: a cell is painted from the row's surface, its symbol or frame and the row's shade.
class CellPictures {
public:
    // Takes the layers of a list, drawn for a screen of this pixel ratio; the rows they lie on
    // are the same for every list of a scale, so the first list's are kept.
    void add(PictureList list, CellLayers layers, qreal ratio = 1.0);
    bool has(PictureList list) const { return isCellList(list) && !groups(list).empty(); }
    void clear();

    // Paints picture `index` of a list that has() its layers, its top left corner at the
    // painter's origin, each layer pixel on a pixel of the screen.
    void paint(QPainter& painter, PictureList list, int index) const;
    // The same picture made whole.
    QPixmap picture(PictureList list, int index) const;

private:
    struct Layer {
        QPoint at;
        QPixmap pixmap;
    };
    const std::vector<Layer>& groups(PictureList list) const;
    std::vector<Layer>& groups(PictureList list);

    std::array<QPixmap, kRows> under_;
    std::array<QPixmap, kRows> shade_;
    std::vector<Layer> symbols_;
    std::vector<Layer> scatterFrames_;
    std::vector<Layer> wildFrames_;
};

}  // namespace kestrel
