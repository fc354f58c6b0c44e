#include <gtest/gtest.h>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

#include "ArtRenderer.h"
#include "ArtTestSupport.h"
#include "Layout.h"
#include "PictureParts.h"
#include "Presentation.h"
#include "ScaledArt.h"
#include "ScreenPicture.h"

namespace kestrel {
namespace {

using test::argb;
using test::book;

// Small enough that drawing every picture for it takes a fraction of a second.
constexpr qreal kScale = 1.5;
constexpr int kDrawingMs = 60'000;

// Until every picture asked for has come, whatever the renderer says of its queue.
bool waitUntilDrawn(const Presentation& presentation) {
    return QTest::qWaitFor([&] { return !presentation.drawing() && presentation.allSharp(); },
                           kDrawingMs);
}

// At the machine's own size nothing is drawn again: the pictures are the book's, as they are.
TEST(Presentation, AtItsOwnSizeShowsTheBooksPicturesAndDrawsNothing) {
    QWidget machine;
    Presentation presentation(&machine, book());
    EXPECT_FALSE(presentation.drawing());
    EXPECT_EQ(presentation.picture(Picture::MenuPanel).cacheKey(),
              book().picture(Picture::MenuPanel).cacheKey());
    EXPECT_EQ(presentation.button(ButtonArt::takewin, false).cacheKey(),
              book().button(ButtonArt::takewin, false).cacheKey());

    // At a scale the book lets go of a picture once its stand-in is made; back at 1 it is
    // decoded again.
    auto* label = new QLabel(&machine);
    presentation.show(label, Picture::MenuPanel);
    presentation.setScale(kScale);
    presentation.setScale(1.0);
    EXPECT_FALSE(presentation.drawing());
    EXPECT_EQ(presentation.picture(PictureList::listsingles, 4).cacheKey(),
              book().picture(PictureList::listsingles, 4).cacheKey());
    ASSERT_FALSE(label->pixmap().isNull());
    EXPECT_EQ(label->pixmap().cacheKey(), book().picture(Picture::MenuPanel).cacheKey());
    EXPECT_EQ(label->pixmap().size(), layout::kMenuPanel.size());
}

// At a larger scale a picture first stands in at its new size, then the one drawn for the scale
// takes its place, on the label that shows it too, pixel for pixel what the scaled art draws.
TEST(Presentation, PicturesDrawnForTheScaleReplaceTheirStandIns) {
    QWidget machine;
    Presentation presentation(&machine, book());
    auto* label = new QLabel(&machine);
    presentation.show(label, PictureList::imagelistcards, 2);  // drawn only when asked for
    QSignalSpy rescaled(&presentation, &Presentation::rescaled);
    presentation.setScale(kScale);

    const QSize size = scaledSize(book().picture(PictureList::imagelistcards, 2).size(), kScale);
    const QPixmap standIn = presentation.picture(PictureList::imagelistcards, 2);
    EXPECT_EQ(standIn.deviceIndependentSize().toSize(), size);
    ASSERT_TRUE(waitUntilDrawn(presentation));
    EXPECT_TRUE(presentation.allSharp());
    EXPECT_GE(rescaled.count(), 2);  // the scale, then the pictures

    const art::ScaledArt art(kScale);
    const QPixmap card = presentation.picture(PictureList::imagelistcards, 2);
    EXPECT_NE(card.cacheKey(), standIn.cacheKey());
    EXPECT_EQ(card.devicePixelRatio(), 1.0);
    EXPECT_EQ(argb(card), art.picture(PictureList::imagelistcards, 2)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(label->pixmap().cacheKey(), card.cacheKey());

    // The first pictures came without being asked for: shown later, they are sharp at once.
    EXPECT_EQ(argb(presentation.button(ButtonArt::notes, true)),
              art.button(ButtonArt::notes, true));
    // The meter's captions come with the cabinet they are cut from.
    EXPECT_EQ(
        argb(presentation.picture(Picture::LABTHISWIN)),
        art.picture(Picture::LABTHISWIN).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_TRUE(presentation.allSharp());
}

// A scale given up while its pictures are being drawn never shows them: whatever arrives later
// is the new scale's, and going back to 1 leaves the book's pictures.
TEST(Presentation, PicturesOfAScaleGivenUpNeverArrive) {
    QWidget machine;
    Presentation presentation(&machine, book());
    presentation.setScale(3.6);
    (void)presentation.picture(PictureList::spinlist, 1);
    presentation.setScale(kScale);
    ASSERT_TRUE(waitUntilDrawn(presentation));
    for (const Picture p : {Picture::MenuPanel, Picture::ctlfrees1}) {
        EXPECT_EQ(presentation.picture(p).size(), scaledSize(book().picture(p).size(), kScale));
    }
    const auto expectDrawnForTheScale = [&](int i) {
        const QPixmap& frame = presentation.picture(PictureList::spinlist, i);
        EXPECT_EQ(frame.size(), scaledSize(book().picture(PictureList::spinlist, i).size(), kScale))
            << i;
        EXPECT_EQ(frame.devicePixelRatio(), 1.0) << i;
    };
    for (int i = 1; i < kFirstIdleReel; ++i) {  // an idle reel is let go while no reel shows it
        if (!isSpareFrame(PictureList::spinlist, i)) {
            expectDrawnForTheScale(i);
        }
    }
    // A frame the whole list leaves out, and an idle reel, are drawn on their own when asked for.
    (void)presentation.picture(PictureList::spinlist, 5);
    (void)presentation.picture(PictureList::spinlist, 14);
    ASSERT_TRUE(waitUntilDrawn(presentation));
    expectDrawnForTheScale(5);
    expectDrawnForTheScale(14);

    presentation.setScale(3.6);
    presentation.setScale(1.0);
    QTest::qWait(200);  // time for a stray delivery to arrive, if one could
    EXPECT_EQ(presentation.picture(Picture::Background).cacheKey(),
              book().picture(Picture::Background).cacheKey());
    EXPECT_FALSE(presentation.drawing());
}

// A machine that paints the cabinet as the game's window does.
class CabinetWidget : public QWidget {
public:
    CabinetWidget() : presentation(this, book()) {}
    Presentation presentation;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        presentation.paintBackground(painter, event->rect());
    }
};

// Drawn for a scale, the cabinet is kept without its plain reel openings; painted, every pixel
// is the whole picture's, the openings too (the pay-line view shows them).
TEST(Presentation, TheCabinetInPartsPaintsAsTheWholePicture) {
    CabinetWidget machine;
    machine.presentation.setScale(kScale);
    machine.setFixedSize(scaledSize(layout::kWindow, kScale));
    ASSERT_TRUE(waitUntilDrawn(machine.presentation));
    const QImage whole = art::ScaledArt(kScale).picture(Picture::Background);
    EXPECT_EQ(machine.grab().toImage().convertToFormat(whole.format()), whole);
}

// The cabinet and a picture, with a cell and its reel unless `cabinetOnly`, laid out at a scale
// and painted on a screen of this pixel ratio, enabled or greyed under a dialog, in the screen's
// pixels.
QImage machinePaintedAt(qreal scale, qreal ratio, bool enabled, bool cabinetOnly = false) {
    CabinetWidget machine;
    Presentation& presentation = machine.presentation;
    presentation.setScale(scale, ratio);
    machine.setFixedSize(presentation.size(layout::kWindow));
    auto* panel = new QLabel(&machine);
    presentation.place(panel, layout::kMenuPanel);
    presentation.show(panel, Picture::MenuPanel);
    if (!cabinetOnly) {
        auto* reel = new QLabel(&machine);
        presentation.place(reel, layout::reelRect(2));
        presentation.show(reel, PictureList::spinlist, 3);
        auto* cell = new QLabel(&machine);
        presentation.place(cell, QRect(layout::reelRect(4).topLeft(), layout::kCell));
        presentation.show(cell, PictureList::listsingles, 5);
    }
    EXPECT_TRUE(waitUntilDrawn(presentation));
    machine.setEnabled(enabled);
    QImage painted(scaledSize(layout::kWindow, scale * ratio), QImage::Format_RGB32);
    painted.setDevicePixelRatio(ratio);
    machine.render(&painted);
    painted.setDevicePixelRatio(1);
    return painted;
}

// On a screen at 200 % the machine laid out at its own size is drawn for the screen's pixels:
// painted there, the cabinet, a picture, a cell and its reel are the machine drawn at twice its
// size on a screen of ratio 1, pixel for pixel, not the 800 × 600 pictures doubled.
TEST(Presentation, OnAScreenOfFinerPixelsThePicturesAreDrawnForThem) {
    for (const bool enabled : {true, false}) {
        const QImage atTwiceTheRatio = machinePaintedAt(1.0, 2.0, enabled);
        const QImage atTwiceTheScale = machinePaintedAt(2.0, 1.0, enabled);
        EXPECT_EQ(atTwiceTheRatio.size(), scaledSize(layout::kWindow, 2.0));
        EXPECT_TRUE(atTwiceTheRatio == atTwiceTheScale) << (enabled ? "enabled" : "disabled");
    }
}

// Laid out at half its size on a screen at 200 % (an 800 × 600 screen so scaled), the machine
// covers 800 × 600 of the screen's pixels: the book's own pictures, each of their pixels on one
// of the screen's, not shown at twice their size. (Pieces at odd places of the 800 × 600 machine
// stand a pixel off at half its size, so only the cabinet and a picture at even places.)
TEST(Presentation, AtHalfItsSizeOnAScreenAtTwiceTheRatioShowsTheBooksPixels) {
    for (const bool enabled : {true, false}) {
        const QImage atHalfTheScale = machinePaintedAt(0.5, 2.0, enabled, true);
        const QImage atItsOwnSize = machinePaintedAt(1.0, 1.0, enabled, true);
        EXPECT_EQ(atHalfTheScale.size(), layout::kWindow);
        EXPECT_TRUE(atHalfTheScale == atItsOwnSize) << (enabled ? "enabled" : "disabled");
    }
}

// Only areas of one colour are left out of the pieces, and the parts paint as the image.
TEST(PictureParts, LeaveOutOnlyAreasOfOneColour) {
    const QRect plain(5, 10, 10, 10);
    const QRect mottled(20, 10, 10, 10);
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(6 * x, 8 * y, 100));
        }
    }
    const QRect higher(25, 2, 10, 5);
    {
        QPainter p(&image);
        p.fillRect(plain, QColor(10, 20, 30));
        p.fillRect(mottled, QColor(10, 20, 30));
        p.fillRect(higher, QColor(200, 20, 30));
    }
    image.setPixel(mottled.bottomRight(), qRgb(11, 20, 30));
    const auto paint = [&](const ImageParts& parts) {
        QImage out(image.size(), image.format());
        out.fill(Qt::white);
        QPainter p(&out);
        paintParts(p, toPixmaps(parts), out.rect());
        return out;
    };
    const auto pixelsHeld = [](const ImageParts& parts) {
        qint64 n = 0;
        for (const auto& [at, piece] : parts.pieces) {
            n += qint64(piece.width()) * piece.height();
        }
        return n;
    };

    const ImageParts cut = cutAround(image, {mottled, plain});
    ASSERT_EQ(cut.plain.size(), 1u);
    EXPECT_EQ(cut.plain[0].first, plain);
    EXPECT_EQ(pixelsHeld(cut), 40 * 30 - 100);
    EXPECT_EQ(paint(cut), image);

    // Areas not side by side in one band of rows leave the image whole.
    const ImageParts whole = cutAround(image, {plain, higher});
    EXPECT_TRUE(whole.plain.empty());
    EXPECT_EQ(pixelsHeld(whole), 40 * 30);
    EXPECT_EQ(paint(whole), image);
}

// Counts the paint events a widget receives.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A machine with one label at `place` showing a picture, drawn for the scale.
struct OneLabel {
    OneLabel(const QRect& place, PictureList list, int index)
        : presentation(&machine, book()), label(new QLabel(&machine)) {
        presentation.place(label, place);
        presentation.show(label, list, index);
        presentation.setScale(kScale);
    }
    QWidget machine;
    Presentation presentation;
    QLabel* label;
};

// At a scale the cells are drawn in layers: a label showing one holds no picture and paints it
// from them, as the scaled art draws it, symbol and animation frame alike.
TEST(Presentation, CellsDrawnInLayersPaintAsTheirPictures) {
    OneLabel one(QRect(QPoint(150, 105), layout::kCell), PictureList::listsingles, 5);
    Presentation& presentation = one.presentation;
    QLabel* label = one.label;
    ASSERT_TRUE(waitUntilDrawn(presentation));
    EXPECT_TRUE(presentation.allSharp());

    const art::ScaledArt art(kScale);
    EXPECT_TRUE(label->pixmap().isNull());
    const auto painted = [&] {
        return label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(painted(), art.picture(PictureList::listsingles, 5));
    // Whoever asks for the picture itself gets it made whole.
    EXPECT_EQ(presentation.picture(PictureList::listsingles, 5).toImage(),
              art.picture(PictureList::listsingles, 5));

    // Disabled under a dialog it greys as a label showing the whole picture does.
    QLabel whole;
    whole.setPixmap(QPixmap::fromImage(art.picture(PictureList::listsingles, 5)));
    whole.resize(label->size());
    whole.setEnabled(false);
    label->setEnabled(false);
    EXPECT_EQ(painted(), whole.grab().toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(painted(), art.picture(PictureList::listsingles, 5));
    label->setEnabled(true);

    presentation.show(label, PictureList::WildGlowFrames, 9);
    EXPECT_EQ(painted().size(), art.picture(PictureList::WildGlowFrames, 9).size());
    EXPECT_NE(painted(), art.picture(PictureList::listsingles, 5));

    // Back at 1 the label shows the book's picture again.
    presentation.setScale(1.0);
    EXPECT_EQ(label->pixmap().cacheKey(),
              book().picture(PictureList::WildGlowFrames, 9).cacheKey());
}

// A label given the picture it already shows is not painted again: the reels show the cells of
// every stopped reel again at each stop, which at a large scale would copy them all each time.
TEST(Presentation, ShowingAPictureAgainPaintsNothing) {
    for (const qreal scale : {1.0, kScale}) {
        QWidget machine;
        Presentation presentation(&machine, book());
        presentation.setScale(scale);
        machine.resize(presentation.size(layout::kWindow));
        auto* cell = new QLabel(&machine);
        presentation.place(cell, QRect(QPoint(150, 105), layout::kCell));
        auto* marker = new QLabel(&machine);
        presentation.place(marker, layout::markerRect(3));
        presentation.show(cell, PictureList::listsingles, 7);
        presentation.show(marker, PictureList::linepics, 3);
        machine.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&machine));
        ASSERT_TRUE(waitUntilDrawn(presentation));
        // Whatever is still to be painted is painted now, before the paints are counted.
        machine.repaint();
        QTest::qWait(20);
        const PaintCount cellPaints(cell);
        const PaintCount markerPaints(marker);
        presentation.show(cell, PictureList::listsingles, 7);
        presentation.show(marker, PictureList::linepics, 3);
        QTest::qWait(20);
        EXPECT_EQ(cellPaints.paints, 0) << scale;
        EXPECT_EQ(markerPaints.paints, 0) << scale;
        presentation.show(cell, PictureList::listsingles, 8);
        QTest::qWait(20);
        EXPECT_EQ(cellPaints.paints, 1) << scale;
    }
}

// The idle reels drawn for a scale are let go while no reel shows them, and one shown again
// stands in stretched until it is drawn again, alone.
TEST(Presentation, IdleReelsAreLetGoUnshownAndDrawnAgainWhenShown) {
    OneLabel one(QRect(QPoint(30, 105), layout::kReelPicture), PictureList::spinlist, 13);
    Presentation& presentation = one.presentation;
    QLabel* reel = one.label;
    ASSERT_TRUE(waitUntilDrawn(presentation));
    const art::ScaledArt art(kScale);
    const QImage idle = art.picture(PictureList::spinlist, 13);
    EXPECT_EQ(reel->pixmap().toImage(), idle);

    presentation.show(reel, PictureList::spinlist, 2);  // the reel turns
    presentation.show(reel, PictureList::spinlist, 13);
    EXPECT_FALSE(presentation.allSharp());
    EXPECT_EQ(reel->pixmap().deviceIndependentSize().toSize(), idle.size());
    ASSERT_TRUE(waitUntilDrawn(presentation));
    EXPECT_TRUE(presentation.allSharp());
    EXPECT_EQ(reel->pixmap().toImage(), idle);

    // A blur frame is kept whether shown or not.
    presentation.show(reel, PictureList::spinlist, 3);
    presentation.show(reel, PictureList::spinlist, 2);
    EXPECT_TRUE(presentation.allSharp());
}

// At 800 × 600 a reel column, composed for the one moment a reel rests on it before its cells
// replace it, is not kept once the reel shows something else.
TEST(Presentation, AReelColumnIsNotKeptOnceItsReelMovesOn) {
    QWidget machine;
    Presentation presentation(&machine, book());
    auto* reel = new QLabel(&machine);
    presentation.show(reel, PictureList::bouncetwo, 7);
    const qint64 composed = reel->pixmap().cacheKey();
    const QImage column = reel->pixmap().toImage();
    EXPECT_EQ(book().picture(PictureList::bouncetwo, 7).cacheKey(), composed);
    presentation.show(reel, PictureList::spinlist, kPlainReel);
    EXPECT_NE(book().picture(PictureList::bouncetwo, 7).cacheKey(), composed);  // made again
    EXPECT_EQ(book().picture(PictureList::bouncetwo, 7).toImage(), column);
}

// Runs an action once, when the first queued call reaches an object and before it is made.
class BeforeFirstQueuedCall : public QObject {
public:
    BeforeFirstQueuedCall(QObject* target, std::function<void()> action)
        : action_(std::move(action)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MetaCall && action_) {
            std::exchange(action_, nullptr)();
        }
        return false;
    }

private:
    std::function<void()> action_;
};

// "Done" means nothing is left to draw, even when a picture is asked for after the renderer
// found its queue empty and before its delivery arrived (a window thread busy for a moment).
TEST(ArtRendererDone, ComesWithTheLastPictureAskedFor) {
    QObject receiver;
    std::vector<std::pair<ArtKey, bool>> delivered;
    ArtRenderer renderer(&receiver, [&](ArtRenderer::Drawn drawn, bool done) {
        for (const ArtRenderer::Drawing& d : drawn) {
            delivered.emplace_back(d.key, done);
        }
    });
    const ArtKey first = ArtKey::list(PictureList::spinlist, 5);
    const ArtKey second = ArtKey::list(PictureList::spinlist, 14);
    // The first picture's delivery, sent when nothing else was asked for, has waited in the
    // queue: the second is asked for as it reaches the receiver, before it is handed over.
    const BeforeFirstQueuedCall askAgain(&receiver, [&] { renderer.request(second); });
    renderer.start(kScale, {first});
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.size() == 2; }, kDrawingMs));
    EXPECT_EQ(delivered[0], std::make_pair(first, false));
    EXPECT_EQ(delivered[1], std::make_pair(second, true));
}

// At a scale the frames of the card's reveal are made from the back when asked for, pixel for
// pixel what the scaled art draws; until the back has come the book's frames stand in.
TEST(Presentation, RevealFramesAreMadeFromTheBackWhenShown) {
    QWidget machine;
    Presentation presentation(&machine, book());
    presentation.setScale(kScale);
    const QPixmap standIn = presentation.picture(PictureList::imagelistcards, 12);
    EXPECT_EQ(standIn.size(),
              scaledSize(book().picture(PictureList::imagelistcards, 12).size(), kScale));
    ASSERT_TRUE(waitUntilDrawn(presentation));
    EXPECT_TRUE(presentation.allSharp());
    const art::ScaledArt art(kScale);
    for (const int k : {10, 12, 24}) {
        EXPECT_EQ(argb(presentation.picture(PictureList::imagelistcards, k)),
                  art.picture(PictureList::imagelistcards, k)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << k;
    }
    // The back and the faces are kept as drawn.
    EXPECT_EQ(argb(presentation.picture(PictureList::imagelistcards, 5)),
              art.picture(PictureList::imagelistcards, 5)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// A window of its own (the pay table) on a desktop scaled to 200 % gets its picture drawn for
// the screen's pixels, pixel for pixel what the scaled art draws. At ratio 1 the book's picture
// stays: a drawing given up for it never arrives, nor one whose window went away.
TEST(ScreenPicture, IsDrawnForTheScreensPixelsOnlyOnAScaledDesktop) {
    QObject window;
    auto* sharp = new ScreenPicture(Picture::PayTable, &window);
    QSignalSpy drawn(sharp, &ScreenPicture::drawn);
    sharp->drawFor(2.0);
    ASSERT_TRUE(drawn.wait(kDrawingMs));
    const auto picture = drawn.takeFirst().at(0).value<QPixmap>();
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), book().picture(Picture::PayTable).size());
    QImage pixels = argb(picture);
    pixels.setDevicePixelRatio(1.0);
    EXPECT_EQ(pixels, art::ScaledArt(2.0)
                          .picture(Picture::PayTable)
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied));

    sharp->drawFor(2.0);
    sharp->drawFor(1.0);
    auto* gone = new ScreenPicture(Picture::PayTable, &window);
    QSignalSpy goneDrawn(gone, &ScreenPicture::drawn);
    gone->drawFor(2.0);
    delete gone;
    QTest::qWait(300);  // time for a stray delivery to arrive, if one could
    EXPECT_EQ(drawn.count(), 0);
    EXPECT_EQ(goneDrawn.count(), 0);
}

// Closing the window while its pictures are being drawn waits for the one in hand only, and
// nothing drawn reaches the presentation once it is gone.
TEST(Presentation, GoesAwayWhileDrawing) {
    for (int i = 0; i < 3; ++i) {
        auto machine = std::make_unique<QWidget>();
        auto* presentation = new Presentation(machine.get(), book());
        presentation->setScale(3.6);
        (void)presentation->picture(PictureList::ScatterDanceFrames, 1);
        QTest::qWait(i * 40);
        machine.reset();
    }
    QTest::qWait(100);
    SUCCEED();
}

}  // namespace
}  // namespace kestrel
