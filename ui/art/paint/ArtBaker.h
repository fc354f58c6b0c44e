#pragma once

#include <QDir>
#include <QImage>
#include <QStringList>
#include <vector>

#include "ArtBook.h"

namespace kestrel::art {

// Renders every picture of the game and writes them where the build embeds them: one PNG per
// list (its pictures side by side), per single picture and per button look, and `art.qrc`
// naming them all.
class ArtBaker {
public:
    explicit ArtBaker(const QDir& out);

    // False, with the reason on stderr, when a source is missing or a picture has the wrong
    // size or count.
    bool bake();

private:
    void writeList(PictureList list, const std::vector<QImage>& pictures);
    void writePicture(Picture picture, const QImage& image);
    void writeImage(const QString& file, const QImage& image);
    void writeResourceList();
    void fail(const QString& reason);

    QDir out_;
    QStringList files_;
    bool ok_ = true;
};

}  // namespace kestrel::art
