#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <vector>

#include "ArtBook.h"
#include "Geometry.h"
#include "Symbols.h"

namespace kestrel {

// The lists of cell pictures (`listsingles`, `ScatterDanceFrames`, `WildGlowFrames`) hold each
// symbol or animation frame once for every row: the three pictures differ only in the slice of
// the reel surface under the symbol and the slice of the drum's shade over it. Drawn for a large
// screen, a list is kept as those layers rather than as pictures, which weighs a third as much,
// and a cell is painted from them.
constexpr bool isCellList(PictureList list) {
    return list == PictureList::listsingles || list == PictureList::ScatterDanceFrames ||
           list == PictureList::WildGlowFrames;
}

// How many symbols or frames a cell list holds: its pictures are that many times three rows.
constexpr int cellGroups(PictureList list) {
    return list == PictureList::listsingles ? kSymbolCount : 6;
}

// The row and the symbol or frame (from 1) of picture `index` of a cell list: `listsingles`
// holds each symbol's three rows together, the frame lists each row's six frames together.
constexpr Row cellListRow(PictureList list, int index) {
    return static_cast<Row>(list == PictureList::listsingles ? (index - 1) % kRows
                                                             : (index - 1) / cellGroups(list));
}
constexpr int cellListGroup(PictureList list, int index) {
    return list == PictureList::listsingles ? (index - 1) / kRows + 1
                                            : (index - 1) % cellGroups(list) + 1;
}

// A cell list drawn in layers (QImage only: made on the renderer's thread).
struct CellLayers {
    // What every cell of a row lies on (opaque) and lies under (premultiplied).
    std::array<QImage, kRows> under;
    std::array<QImage, kRows> shade;
    // What lies between, per symbol or frame (group 1 first): premultiplied, cut to the pixels
    // it covers, which stand at `at` in the cell.
    struct Layer {
        QPoint at;
        QImage image;
    };
    std::vector<Layer> layers;

    bool isEmpty() const { return layers.empty(); }
};

}  // namespace kestrel
