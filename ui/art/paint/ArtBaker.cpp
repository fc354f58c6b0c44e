#include "ArtBaker.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>

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
#include "ReelSurface.h"
#include "SpinFrames.h"
#include "SymbolAnimation.h"
#include "SymbolArt.h"

namespace kestrel::art {

namespace {

std::vector<QImage> singles(const SymbolArt& symbols, const ReelSurface& surface) {
    std::vector<QImage> out;
    for (int g = 1; g <= kSymbolCount; ++g) {
        const QImage art = symbols.image(symbolOfGroup(g));
        for (int row = 0; row < kRows; ++row) {
            out.push_back(surface.cell(static_cast<Row>(row), art));
        }
    }
    return out;
}

}  // namespace

ArtBaker::ArtBaker(const QDir& out) : out_(out) {}

bool ArtBaker::bake() {
    const SymbolArt symbols;
    if (!symbols.isValid()) {
        fail(QStringLiteral("a symbol's SVG source is missing or unreadable"));
        return false;
    }
    const ReelSurface surface;
    writeList(PictureList::listsingles, singles(symbols, surface));
    writeList(PictureList::spinlist, spinFrames(symbols, surface));
    writeList(PictureList::ScatterDanceFrames, scatterFrames(symbols, surface));
    writeList(PictureList::WildGlowFrames, wildFrames(symbols, surface));
    writeList(PictureList::linepics, markerPictures());
    writeList(PictureList::imagelistcards, cardPictures());

    const QImage cabinet = cabinetPicture();
    writePicture(Picture::Background, cabinet);
    writePicture(Picture::dollar1, coinAbove());
    writePicture(Picture::halfcoin1, coinHalfIn());
    writePicture(Picture::ctlfrees1, freeSpinsWonBanner());
    writePicture(Picture::ctrlfreesleft1, freeSpinsLeftFrame());
    writePicture(Picture::freespinscompleted1, freeSpinsCompletedBanner());
    writePicture(Picture::gamblewin, gambleSlide(true));
    writePicture(Picture::gamblelose, gambleSlide(false));
    writePicture(Picture::panfreespin, infoPlate(symbols));
    writePicture(Picture::pannomoney, noCreditPanel());
    writePicture(Picture::LABLASTBET, betMeterCaption(cabinet, QStringLiteral("TOTAL BET")));
    writePicture(Picture::LABTHISWIN, betMeterCaption(cabinet, QStringLiteral("THIS WIN")));
    writePicture(Picture::GamblePanel, gamblePanel());
    writePicture(Picture::MenuPanel, menuPanel());
    writePicture(Picture::PayTable, payTablePicture(symbols));
    writePicture(Picture::AppIcon, appIcon(symbols));

    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto art = static_cast<ButtonArt>(i);
        for (bool enabled : {true, false}) {
            const QImage image =
                buttonPicture(art, enabled ? ButtonLook::Raised : ButtonLook::Disabled);
            if (image.size() != buttonPlace(art).size()) {
                fail(QStringLiteral("button %1 has the wrong size").arg(kButtonNames[i]));
            }
            writeImage(buttonPath(art, enabled).mid(6), image);
        }
    }
    writeResourceList();
    return ok_;
}

void ArtBaker::writeList(PictureList list, const std::vector<QImage>& pictures) {
    const ListEntry& e = entry(list);
    if (static_cast<int>(pictures.size()) != e.count) {
        fail(QStringLiteral("%1 has %2 pictures instead of %3")
                 .arg(QLatin1String(e.name))
                 .arg(pictures.size())
                 .arg(e.count));
        return;
    }
    for (int k = 1; k <= e.count; ++k) {
        const QImage& image = pictures[static_cast<size_t>(k - 1)];
        if (image.size() != e.size) {
            fail(QStringLiteral("%1 picture %2 has the wrong size")
                     .arg(QLatin1String(e.name))
                     .arg(k));
        }
        writeImage(listPath(list, k).mid(6), image);
    }
}

void ArtBaker::writePicture(Picture picture, const QImage& image) {
    if (image.size() != entry(picture).size) {
        fail(QStringLiteral("%1 has the wrong size").arg(QLatin1String(entry(picture).name)));
    }
    writeImage(picturePath(picture).mid(6), image);
}

void ArtBaker::writeImage(const QString& file, const QImage& image) {
    if (!image.save(out_.filePath(file), "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(out_.filePath(file)));
    }
    files_ << file;
}

void ArtBaker::writeResourceList() {
    QFile qrc(out_.filePath(QStringLiteral("art.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(QStringLiteral("cannot write %1").arg(qrc.fileName()));
        return;
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/art\">\n";
    for (const QString& file : files_) {
        out << "  <file>" << file << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
}

void ArtBaker::fail(const QString& reason) {
    std::fprintf(stderr, "kestrel-artbake: %s\n", qPrintable(reason));
    ok_ = false;
}

}  // namespace kestrel::art
