#include "ReelWindow.h"

#include <QEvent>
#include <utility>

#include "Layout.h"
#include "LineOverlay.h"
#include "PictureLabel.h"

namespace kestrel::ui {

ReelWindow::ReelWindow(QWidget* window, Presentation& presentation)
    : QObject(window), presentation_(presentation) {
    // Stacking follows creation: reels, their cells, the drawn line, the markers.
    for (int r = 1; r <= kReels; ++r) {
        auto* picture = new QLabel(window);
        picture->setObjectName(QStringLiteral("Picture%1").arg(r));
        presentation.place(picture, layout::reelRect(r));
        // A reel's pictures cover it whole: nothing behind it needs painting.
        picture->setAttribute(Qt::WA_OpaquePaintEvent);
        Picture_[r] = picture;
    }
    for (int c = 1; c <= kCells; ++c) {
        auto* cell = new QLabel(window);
        cell->setObjectName(QStringLiteral("flasher%1").arg(c));
        const QRect reel = layout::reelRect(cellReel(c));
        presentation.place(cell, QRect(reel.topLeft() + QPoint(0, layout::kCell.height() *
                                                                      static_cast<int>(cellRow(c))),
                                       layout::kCell));
        // Every cell picture is opaque and fills its cell: the reel under a shown cell is not
        // painted, which at a large scale is most of what a stopping reel costs.
        cell->setAttribute(Qt::WA_OpaquePaintEvent);
        cell->hide();
        flasher_[c] = cell;
    }
    overlay_ = new LineOverlay(window, presentation);
    for (int m = 1; m <= kMarkers; ++m) {
        auto* marker = new CabinetPieceLabel(window);
        marker->setObjectName(QStringLiteral("lin%1").arg(m));
        presentation.place(marker, layout::markerRect(m));
        marker->setMouseTracking(true);
        marker->setEnabled(false);
        marker->installEventFilter(this);
        lin_[m] = marker;
    }
    showLinesPlayed(kLines);
}

// --- the reels ------------------------------------------------------------------------------

void ReelWindow::showIdle() {
    for (int r = 1; r <= kReels; ++r) {
        presentation_.show(Picture_[r], PictureList::spinlist, kFirstIdleReel + r - 1);
    }
    for (QLabel* cell : flasher_) {
        if (cell != nullptr) {
            cell->hide();
        }
    }
    face_ = {};
    hideLine();
    showAllMarkers();
}

// The last result's cells stay until their reel starts to turn: taken away now, the reels would
// stand empty until the first blur frame.
void ReelWindow::beginSpin(const SpinRecords& records) {
    records_ = records;
    face_ = {};
    hideLine();
    showAllMarkers();
}

void ReelWindow::showBlur(int reel, int frame) {
    hideCells(reel);
    presentation_.show(Picture_[reel], PictureList::spinlist, frame);
}

void ReelWindow::hideCells(int reel) {
    for (int row = 0; row < kRows; ++row) {
        flasher_[cellNumber(reel, static_cast<Row>(row))]->hide();
    }
}

void ReelWindow::showStopped(int reel) {
    if (presentation_.artScale() != 1.0) {
        // A column is its three cells. Shown at any other size than the machine's own, the reel
        // stops on its cells at once rather than on a column picture made for every stop.
        showCells(reel);
        return;
    }
    hideCells(reel);
    face_[reel] = Face::Stopped;
    presentation_.show(Picture_[reel], columnList(reel), records_.reelStop[reel]);
}

void ReelWindow::showCells(int reel) {
    face_[reel] = Face::Cells;
    for (int row = 0; row < kRows; ++row) {
        const int c = cellNumber(reel, static_cast<Row>(row));
        restoreCell(c);
        flasher_[c]->show();
    }
    presentation_.show(Picture_[reel], PictureList::spinlist, kPlainReel);
}

void ReelWindow::showResult(const SpinRecords& records) {
    beginSpin(records);
    for (int r = 1; r <= kReels; ++r) {
        showCells(r);
    }
}

void ReelWindow::setAway(bool away) {
    away_ = away;
    for (int r = 1; r <= kReels; ++r) {
        Picture_[r]->setVisible(!away);
    }
    showIdle();
}

void ReelWindow::setMarkersEnabled(bool enabled) {
    for (int m = 1; m <= kMarkers; ++m) {
        lin_[m]->setEnabled(enabled);
    }
}

// --- a game of the past ---------------------------------------------------------------------

void ReelWindow::recall(const std::array<int, kReels>& stops, const std::vector<int>& lines,
                        int linesPlayed) {
    const std::optional<SpinRecords> records = recordsAtStops(stops);
    if (!records) {
        return;  // not a game the strips can show; the history keeps none such
    }
    if (!beforeRecall_) {
        beforeRecall_ = Faces{records_, face_};
    }
    showResult(*records);
    showLinesPlayed(linesPlayed);
    overlay_->drawLines(lines);
}

void ReelWindow::endRecall(int linesPlayed) {
    if (!beforeRecall_) {
        return;
    }
    const Faces before = *std::exchange(beforeRecall_, std::nullopt);
    showFaces(before);
    showLinesPlayed(linesPlayed);
}

// Shows each reel as it was: its idle picture before any spin, its column or its cells.
void ReelWindow::showFaces(const Faces& faces) {
    showIdle();
    records_ = faces.records;
    for (int r = 1; r <= kReels; ++r) {
        if (faces.face[r] == Face::Stopped) {
            showStopped(r);
        } else if (faces.face[r] == Face::Cells) {
            showCells(r);
        }
    }
}

// --- the cells ------------------------------------------------------------------------------

void ReelWindow::setCellLit(int cell, bool lit) {
    if (face_[cellReel(cell)] == Face::Cells) {
        flasher_[cell]->setVisible(lit);
    }
}

void ReelWindow::showAllCells() {
    for (int c = 1; c <= kCells; ++c) {
        setCellLit(c, true);
    }
}

void ReelWindow::showCellFrame(int cell, PictureList frames, int index) {
    if (face_[cellReel(cell)] == Face::Cells) {
        presentation_.show(flasher_[cell], frames, index);
    }
}

void ReelWindow::restoreCell(int cell) {
    if (face_[cellReel(cell)] == Face::Cells) {
        presentation_.show(flasher_[cell], PictureList::listsingles, records_.picOfCell(cell));
    }
}

// --- the line and the markers ---------------------------------------------------------------

void ReelWindow::drawLine(int line) {
    overlay_->drawLine(line);
}

void ReelWindow::blinkLineOff() {
    overlay_->clearLines();
}

void ReelWindow::hideLine() {
    overlay_->hideLine();
}

void ReelWindow::showLinesPlayed(int linesPlayed) {
    for (int m = 1; m <= kLines; ++m) {
        const bool played = m <= linesPlayed;
        presentation_.show(lin_[m], PictureList::linepics, played ? m : m + kLines);
    }
    presentation_.show(lin_[kLineOneSecondMarker], PictureList::linepics, 1);
}

void ReelWindow::setMarkerShown(int line, bool shown) {
    lin_[line]->setVisible(shown);
    if (line == 1) {
        lin_[kLineOneSecondMarker]->setVisible(shown);
    }
}

void ReelWindow::showAllMarkers() {
    for (int m = 1; m <= kMarkers; ++m) {
        lin_[m]->show();
    }
}

// On the pay-line view the mouse resting on a marker draws its line.
bool ReelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && away_) {
        for (int m = 1; m <= kMarkers; ++m) {
            if (watched == lin_[m]) {
                drawLine(m == kLineOneSecondMarker ? 1 : m);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrel::ui
