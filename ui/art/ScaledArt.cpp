#include "ScaledArt.h"

#include "ArtCatalogue.h"
#include "BannerArt.h"
#include "ButtonArtist.h"
#include "CabinetArt.h"
#include "CardArt.h"
#include "Geometry.h"
#include "IconArt.h"
#include "MarkerArt.h"
#include "MeterArt.h"
#include "PanelArt.h"
#include "PayTableArt.h"
#include "Raster.h"
#include "ReelStrips.h"
#include "SpinFrames.h"
#include "SymbolAnimation.h"

namespace kestrel::art {

namespace {

bool isOpaque(PictureList list) {
    return list != PictureList::linepics && list != PictureList::imagelistcards;
}

bool isOpaque(Picture picture) {
    return picture == Picture::Background || picture == Picture::LABLASTBET ||
           picture == Picture::LABTHISWIN || picture == Picture::PayTable;
}

// A painter's picture as the window takes it: ratio 1, and without an alpha channel when it
// covers every pixel. Converting to RGB32 takes the colour of a pixel the drawing only partly
// covers (the last row or column, where the scaled size was rounded up) as if it covered it.
// The image is converted in place where it is its only owner.
QImage finished(QImage image, bool opaque) {
    image.setDevicePixelRatio(1);
    return opaque ? std::move(image).convertToFormat(QImage::Format_RGB32) : premultiplied(image);
}

}  // namespace

ScaledArt::ScaledArt(qreal scale) : scale_(scale) {}

// Made when a reel picture is first drawn: the cards, panels and buttons never need it.
const ReelSurface& ScaledArt::surface() const {
    if (!surface_) {
        surface_.emplace(scale_);
    }
    return *surface_;
}

bool ScaledArt::isValid() const {
    return symbols_.isValid();
}

QImage ScaledArt::picture(Picture picture) const {
    QImage image;
    switch (picture) {
        case Picture::Background:
            image = cabinetPicture(scale_);
            break;
        case Picture::dollar1:
            image = coinAbove(scale_);
            break;
        case Picture::halfcoin1:
            image = coinHalfIn(scale_);
            break;
        case Picture::ctlfrees1:
            image = freeSpinsWonBanner(scale_);
            break;
        case Picture::ctrlfreesleft1:
            image = freeSpinsLeftFrame(scale_);
            break;
        case Picture::freespinscompleted1:
            image = freeSpinsCompletedBanner(scale_);
            break;
        case Picture::gamblewin:
        case Picture::gamblelose:
            image = gambleSlide(picture == Picture::gamblewin, scale_);
            break;
        case Picture::panfreespin:
            image = infoPlate(symbols_, scale_);
            break;
        case Picture::pannomoney:
            image = noCreditPanel(scale_);
            break;
        case Picture::LABLASTBET:
            image = betMeterCaption(cabinetPicture(scale_), QStringLiteral("TOTAL BET"));
            break;
        case Picture::LABTHISWIN:
            image = betMeterCaption(cabinetPicture(scale_), QStringLiteral("THIS WIN"));
            break;
        case Picture::GamblePanel:
            image = gamblePanel(scale_);
            break;
        case Picture::MenuPanel:
            image = menuPanel(scale_);
            break;
        case Picture::PayTable:
            image = payTablePicture(symbols_, scale_);
            break;
        case Picture::AppIcon:
            image = appIcon(symbols_, scale_);
            break;
    }
    return finished(std::move(image), isOpaque(picture));
}

ScaledArt::Cabinet ScaledArt::cabinet() const {
    const QImage cabinet = cabinetPicture(scale_);
    return {finished(cabinet, isOpaque(Picture::Background)),
            finished(betMeterCaption(cabinet, QStringLiteral("TOTAL BET")),
                     isOpaque(Picture::LABLASTBET)),
            finished(betMeterCaption(cabinet, QStringLiteral("THIS WIN")),
                     isOpaque(Picture::LABTHISWIN))};
}

QImage ScaledArt::picture(PictureList list, int index) const {
    if (index < 1 || index > entry(list).count) {
        return {};
    }
    if (const int reel = reelOfColumnList(list); reel != 0) {
        return column(reel, index);
    }
    QImage image;
    switch (list) {
        case PictureList::spinlist:
            image = spinPicture(symbols_, surface(), index);
            break;
        case PictureList::listsingles:
            image = cell(index);
            break;
        case PictureList::ScatterDanceFrames:
            image = scatterFrame(symbols_, surface(), index);
            break;
        case PictureList::WildGlowFrames:
            image = wildFrame(symbols_, surface(), index);
            break;
        case PictureList::linepics:
            image = markerPicture((index - 1) % kLines + 1, index <= kLines, scale_);
            break;
        case PictureList::imagelistcards:
            image = cardPicture(index, scale_);
            break;
        default:
            break;
    }
    return finished(std::move(image), isOpaque(list));
}

std::vector<QImage> ScaledArt::pictures(PictureList list) const {
    std::vector<QImage> images;
    switch (list) {
        case PictureList::spinlist:
            images = spinPictures(symbols_, surface());
            break;
        case PictureList::listsingles:
            // Each symbol with its shadow once, for its three rows.
            for (int g = 1; g <= kSymbolCount; ++g) {
                const QImage art = shadowedSymbol(symbolOfGroup(g));
                for (int row = 0; row < kRows; ++row) {
                    images.push_back(surface().cell(static_cast<Row>(row), art));
                }
            }
            break;
        case PictureList::ScatterDanceFrames:
            images = scatterFrames(symbols_, surface());
            break;
        case PictureList::WildGlowFrames:
            images = wildFrames(symbols_, surface());
            break;
        case PictureList::imagelistcards:
            images = cardPictures(scale_);
            break;
        default:
            for (int k = 1; k <= entry(list).count; ++k) {
                images.push_back(picture(list, k));
            }
            return images;
    }
    for (QImage& image : images) {
        image = finished(std::move(image), isOpaque(list));
    }
    return images;
}

CellLayers ScaledArt::cellLayers(PictureList list) const {
    std::vector<QImage> layers;
    switch (list) {
        case PictureList::listsingles:
            for (int g = 1; g <= kSymbolCount; ++g) {
                layers.push_back(shadowedSymbol(symbolOfGroup(g)));
            }
            break;
        case PictureList::ScatterDanceFrames:
            layers = scatterLayers(symbols_, scale_);
            break;
        case PictureList::WildGlowFrames:
            layers = wildLayers(symbols_, scale_);
            break;
        default:
            return {};
    }
    CellLayers cells;
    for (int row = 0; row < kRows; ++row) {
        const Row r = static_cast<Row>(row);
        cells.under[row] = finished(surface().under(r), true);
        cells.shade[row] = finished(surface().shade(r), false);
    }
    for (QImage& layer : layers) {
        const QRect covered = coveredRect(layer);
        cells.layers.push_back({covered.topLeft(), finished(layer.copy(covered), false)});
        layer = QImage();
    }
    return cells;
}

QImage ScaledArt::button(ButtonArt art, bool enabled) const {
    return finished(buttonPicture(art, enabled ? ButtonLook::Raised : ButtonLook::Disabled, scale_),
                    false);
}

QImage ScaledArt::shadowedSymbol(Symbol symbol) const {
    return ReelSurface::withShadow(symbols_.image(symbol, scale_));
}

// `listsingles` picture `index`: symbol group g in 3(g − 1) + 1 .. + 3, top, middle, bottom.
QImage ScaledArt::cell(int index) const {
    const Row row = static_cast<Row>((index - 1) % kRows);
    return surface().cell(row, shadowedSymbol(symbolOfPicture(index)));
}

// A column shows the three cells of its stop, as the art book composes it, on the plain reel
// (which shows only where rounding leaves a pixel between the cells and the column's edge).
QImage ScaledArt::column(int reel, int stop) const {
    QImage image = surface().column();
    for (int row = 0; row < kRows; ++row) {
        const Row r = static_cast<Row>(row);
        blendAt(image, surface().cellRect(r).topLeft(),
                cell(pictureIndex(stopSymbol(reel, stop, r), r)));
    }
    return finished(std::move(image), true);
}

}  // namespace kestrel::art
