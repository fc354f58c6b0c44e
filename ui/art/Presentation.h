#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QSet>
#include <array>
#include <memory>
#include <utility>

#include "ArtBook.h"
#include "ArtRenderer.h"
#include "CellPictures.h"
#include "PictureParts.h"
#include "ScaledSize.h"

class QLabel;
class QPainter;
class QWidget;

namespace kestrel {

// How the 800 × 600 machine is shown: at a scale, with its widgets laid out in device pixels, so
// that no view stretches a picture on every paint. Owners place their widgets, fonts and style
// sheets in the machine's own coordinates through it, and take their pictures from it at the
// scale in force; when the scale changes every placed widget and every picture shown through it
// is done again, and rescaled() tells owners to redo the pictures they compose themselves.
//
// At scale 1 on a screen of ratio 1 the pictures are the art book's own. Otherwise each picture is
// drawn afresh for the screen pixels it covers, and says so by its device pixel ratio, on a thread
// of its own: until it arrives the book's picture stands in, stretched, and when it arrives it
// takes that one's place wherever it is shown (rescaled() again). The cell lists come in layers
// (CellPictures): a label showing a cell paints it from them and holds no picture. What the machine
// shows at once (the cabinet, its buttons, the reels, their markers and symbols) is drawn first,
// the rest when first asked for.
class Presentation : public QObject {
    Q_OBJECT
public:
    Presentation(QWidget* machine, const ArtBook& art);
    ~Presentation() override;

    qreal scale() const { return scale_; }
    // The scale of the machine's layout, and the ratio of the screen's pixels to the layout's
    // (2 on a screen at 200 %): pictures are drawn at scale × ratio, for the screen's pixels.
    void setScale(qreal scale, qreal ratio = 1.0);
    qreal ratio() const { return ratio_; }
    // The scale the pictures are drawn at: 1 shows the art book's own.
    qreal artScale() const { return scale_ * ratio_; }

    // --- the machine's coordinates in device pixels ---
    QRect rect(const QRect& logical) const;
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
    // The cabinet (`Background`) at the scale in force, where `exposed` needs painting. Drawn
    // for a larger scale, it is kept in parts, without the reel window's plain openings;
    // picture(Picture::Background) then gives the book's picture, stretched.
    void paintBackground(QPainter& painter, const QRect& exposed) const;
    // A reference that holds until the next picture is asked for (which may add to the store):
    // copy the picture, a cheap shallow copy, to keep it longer. A stand-in is the book's picture
    // with its pixels said to be larger than the screen's: draw it into its place's rectangle,
    // as QPainter draws a picture given only a point at its pixel size.
    const QPixmap& picture(Picture picture) const;
    const QPixmap& picture(PictureList list, int index) const;
    const QPixmap& button(ButtonArt art, bool enabled) const;
    // A label whose picture keeps its colours while it is disabled (a piece of the cabinet):
    // painted by the presentation, it is not greyed either.
    static void keepColoursWhileDisabled(QLabel* label);
    // The label shows the picture, at every scale to come.
    void show(QLabel* label, Picture picture);
    void show(QLabel* label, PictureList list, int index);

    // Whether every picture shown so far is drawn for the scale (always at 1).
    bool allSharp() const { return artScale() == 1.0 || waiting_.isEmpty(); }
    // Whether pictures for the scale are still being drawn in the background.
    bool drawing() const { return drawing_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The scale changed, or pictures drawn for it arrived: redo composed pictures.
    void rescaled();
    // The background drawing for the scale has nothing left to do.
    void drawingDone();

private:
    const QPixmap& pictureOf(ArtKey key) const;
    const QPixmap& original(ArtKey key) const;
    void forgetOriginal(ArtKey key) const;
    QPixmap standIn(ArtKey key, const QPixmap& original) const;
    void showOn(QLabel* label, ArtKey key);
    void setOn(QLabel* label, ArtKey key);
    bool inLayers(ArtKey key) const;
    static QPixmap greyed(const QLabel* label, const QPixmap& picture);
    bool shownOnALabel(quint32 code) const;
    const QPixmap* revealFrame(ArtKey key) const;
    void letGoUnlessShown(ArtKey key);
    void receive(ArtRenderer::Drawn drawn, bool done);

    QWidget* machine_;
    const ArtBook& art_;
    qreal scale_ = 1.0;
    qreal ratio_ = 1.0;
    mutable QHash<quint32, QPixmap> pictures_;  // at the scale in force, by key code
    PixmapParts background_;                    // the cabinet drawn for the scale, once it came
    CellPictures cells_;                        // the cell lists drawn for the scale, as they came
    mutable QPixmap revealFrame_;               // the card reveal's frame made last
    mutable QSet<quint32> waiting_;             // stand-ins still to be replaced
    mutable QSet<quint32> asked_;               // keys the renderer has been given
    std::unique_ptr<ArtRenderer> renderer_;
    bool planPending_ = false;  // the first pictures wait for the first frame at the scale
    mutable bool drawing_ = false;
};

}  // namespace kestrel
