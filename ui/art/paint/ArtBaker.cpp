#include "ArtBaker.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "ArtCatalogue.h"
#include "ButtonPlaces.h"
#include "ScaledArt.h"

namespace kestrel::art {

ArtBaker::ArtBaker(const QDir& out) : out_(out) {}

bool ArtBaker::bake() {
    // The 800 × 600 machine's pictures are the renderer's at scale 1.
    const ScaledArt art(1);
    if (!art.isValid()) {
        fail(QStringLiteral("a symbol's SVG source is missing or unreadable"));
        return false;
    }
    for (int i = 0; i < kPictureListCount; ++i) {
        const auto list = static_cast<PictureList>(i);
        if (entry(list).baked) {
            writeList(list, art.pictures(list));
        }
    }
    for (int i = 0; i < kPictureCount; ++i) {
        const auto picture = static_cast<Picture>(i);
        writePicture(picture, art.picture(picture));
    }
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto button = static_cast<ButtonArt>(i);
        for (bool enabled : {true, false}) {
            const QImage image = art.button(button, enabled);
            if (image.size() != buttonPlace(button).size()) {
                fail(QStringLiteral("button %1 has the wrong size").arg(kButtonNames[i]));
            }
            writeImage(buttonPath(button, enabled).mid(6), image);
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
