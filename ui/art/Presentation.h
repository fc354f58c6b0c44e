#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <array>
#include <utility>

#include "ArtBook.h"

class QLabel;
class QWidget;

namespace kestrel {

// The size of a picture or widget of logical size `size` shown at `scale`: each side rounded.
inline QSize scaledSize(QSize size, qreal scale) {
    return QSize(qRound(size.width() * scale), qRound(size.height() * scale));
}

// How the 800 × 600 machine is shown: at a scale, with its widgets laid out in device pixels, so
// that no view stretches a picture on every paint. Owners place their widgets, fonts and style
// sheets in the machine's own coordinates through it, and take their pictures from it at the
// scale in force; when the scale changes every placed widget and every picture shown through it
// is done again, and rescaled() tells owners to redo the pictures they compose themselves.
// At scale 1 the pictures are the art book's own.
class Presentation : public QObject {
    Q_OBJECT
public:
    Presentation(QWidget* machine, const ArtBook& art);

    qreal scale() const { return scale_; }
    void setScale(qreal scale);

    // --- the machine's coordinates in device pixels ---
    QRect rect(const QRect& logical) const;
    QPoint point(const QPoint& logical) const;
    QSize size(const QSize& logical) const { return scaledSize(logical, scale_); }
    int length(qreal logical) const { return qRound(logical * scale_); }

    // Puts a widget at a rectangle of the machine, now and at every scale to come.
    void place(QWidget* widget, const QRect& logical);
    // Moves a placed widget to a point of the machine.
    void move(QWidget* widget, const QPoint& logical);
    // A font whose pixel size is in the machine's pixels.
    void setFont(QWidget* widget, const QFont& logical);
    // A style sheet whose lengths ("12px") are in the machine's pixels.
    void setStyle(QWidget* widget, const QString& logical);

    // --- pictures at the scale ---
    const QPixmap& picture(Picture picture) const;
    const QPixmap& picture(PictureList list, int index) const;
    const QPixmap& button(ButtonArt art, bool enabled) const;
    // The label shows the picture, at every scale to come.
    void show(QLabel* label, Picture picture);
    void show(QLabel* label, PictureList list, int index);

signals:
    void rescaled();

private:
    const QPixmap& scaled(quint32 key, const QPixmap& original) const;

    QWidget* machine_;
    const ArtBook& art_;
    qreal scale_ = 1.0;
    mutable QHash<quint32, QPixmap> pictures_;  // at the scale in force, by key
};

}  // namespace kestrel
