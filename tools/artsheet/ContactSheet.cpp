#include "ContactSheet.h"

#include <QPainter>
#include <algorithm>

namespace kestrel {

namespace {
constexpr int kMargin = 12;
constexpr int kGap = 10;
constexpr int kLabel = 16;
constexpr int kHeading = 30;
}  // namespace

ContactSheet::ContactSheet(int width) : width_(width), x_(kMargin), y_(kMargin) {}

void ContactSheet::newRow() {
    if (rowHeight_ > 0) {
        y_ += rowHeight_ + kLabel + kGap;
    }
    x_ = kMargin;
    rowHeight_ = 0;
}

void ContactSheet::section(const QString& title) {
    newRow();
    headings_.push_back({title, y_});
    y_ += kHeading;
}

void ContactSheet::add(const QPixmap& picture, const QString& label) {
    const int w = std::max(picture.width(), 60);
    if (x_ > kMargin && x_ + w > width_ - kMargin) {
        newRow();
    }
    items_.push_back({picture, label, QPoint(x_, y_)});
    x_ += w + kGap;
    rowHeight_ = std::max(rowHeight_, picture.height());
}

QImage ContactSheet::render() const {
    const int height = y_ + rowHeight_ + kLabel + kMargin;
    QImage sheet(width_, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x3A, 0x34, 0x38));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    QFont headingFont(QStringLiteral("DejaVu Sans"));
    headingFont.setPixelSize(18);
    headingFont.setBold(true);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(11);
    for (const Heading& h : headings_) {
        p.setFont(headingFont);
        p.setPen(QColor(0xFF, 0xF4, 0xDC));
        p.drawText(QPoint(kMargin, h.y + 21), h.title);
    }
    p.setFont(labelFont);
    for (const Item& item : items_) {
        // A checkerboard under each picture shows where it is transparent.
        const QRect area(item.at, item.picture.size());
        for (int yy = 0; yy < area.height(); yy += 8) {
            for (int xx = 0; xx < area.width(); xx += 8) {
                const bool dark = ((xx + yy) / 8) % 2 == 0;
                p.fillRect(QRect(area.x() + xx, area.y() + yy, std::min(8, area.width() - xx),
                                 std::min(8, area.height() - yy)),
                           dark ? QColor(0x9A, 0x9A, 0x9A) : QColor(0xC8, 0xC8, 0xC8));
            }
        }
        p.drawPixmap(item.at, item.picture);
        p.setPen(QColor(0xE8, 0xE2, 0xD8));
        p.drawText(QRect(item.at.x(), item.at.y() + item.picture.height() + 1,
                         std::max(item.picture.width(), 60) + kGap - 2, kLabel - 2),
                   Qt::AlignLeft | Qt::AlignVCenter, item.label);
    }
    return sheet;
}

}  // namespace kestrel
