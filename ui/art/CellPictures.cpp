#include "CellPictures.h"

#include <QPainter>

#include "PictureParts.h"

namespace kestrel {

void CellPictures::add(PictureList list, CellLayers layers, qreal ratio) {
    if (!isCellList(list) || layers.isEmpty()) {
        return;
    }
    if (under_[0].isNull()) {
        for (int row = 0; row < kRows; ++row) {
            under_[row] = pixmapForScreen(std::move(layers.under[row]), ratio);
            shade_[row] = pixmapForScreen(std::move(layers.shade[row]), ratio);
        }
    }
    std::vector<Layer>& kept = groups(list);
    kept.clear();
    for (CellLayers::Layer& layer : layers.layers) {
        kept.push_back({layer.at, pixmapForScreen(std::move(layer.image), ratio)});
    }
}

void CellPictures::clear() {
    *this = CellPictures();
}

void CellPictures::paint(QPainter& painter, PictureList list, int index) const {
    if (!has(list)) {
        return;
    }
    const std::vector<Layer>& layers = groups(list);
    const int group = cellListGroup(list, index);
    if (group < 1 || group > static_cast<int>(layers.size())) {
        return;
    }
    const int row = static_cast<int>(cellListRow(list, index));
    const Layer& layer = layers[static_cast<size_t>(group - 1)];
    painter.drawPixmap(0, 0, under_[row]);
    // The layer's place is in the picture's pixels.
    painter.drawPixmap(QPointF(layer.at) / layer.pixmap.devicePixelRatio(), layer.pixmap);
    painter.drawPixmap(0, 0, shade_[row]);
}

QPixmap CellPictures::picture(PictureList list, int index) const {
    if (!has(list) || index < 1 || index > kRows * cellGroups(list)) {
        return {};
    }
    const QPixmap& under = under_[static_cast<int>(cellListRow(list, index))];
    QPixmap out(under.size());
    out.setDevicePixelRatio(under.devicePixelRatio());
    QPainter painter(&out);
    paint(painter, list, index);
    return out;
}

const std::vector<CellPictures::Layer>& CellPictures::groups(PictureList list) const {
    return const_cast<CellPictures*>(this)->groups(list);
}

std::vector<CellPictures::Layer>& CellPictures::groups(PictureList list) {
    switch (list) {
        case PictureList::ScatterDanceFrames:
            return scatterFrames_;
        case PictureList::WildGlowFrames:
            return wildFrames_;
        default:
            return symbols_;
    }
}

}  // namespace kestrel
