#include "StoreNotice.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

#include "Layout.h"

namespace kestrel::ui {

namespace {

// The notice's lettering, as its style sets it at 800 × 600.
QFont noticeFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

constexpr int kPaddingAndBorder = 2 * (2 + 2) + 4;  // border, padding, and room to spare
constexpr int kTextWidth = layout::kStoreNotice.width() - 2 * (2 + 8) - 4;

}  // namespace

StoreNotice::StoreNotice(QWidget* window, Presentation& presentation)
    : QObject(window), presentation_(presentation), storenotice_(new QLabel(window)) {
    storenotice_->setObjectName(QStringLiteral("storenotice"));
    presentation.place(storenotice_, layout::kStoreNotice);
    storenotice_->setWordWrap(true);
    storenotice_->setAlignment(Qt::AlignCenter);
    storenotice_->setTextFormat(Qt::PlainText);
    presentation.setStyle(
        storenotice_,
        QStringLiteral(
            "color: #fff3c4; background: rgba(122, 12, 20, 225); border: 2px solid #e8c25a;"
            " border-radius: 6px; font: bold 12px 'DejaVu Sans'; padding: 2px 8px;"));
    storenotice_->hide();
}

// The box grows downwards to hold every line of the message: a long path takes four or five.
void StoreNotice::show(const QString& message) {
    const int textHeight = QFontMetrics(noticeFont())
                               .boundingRect(QRect(0, 0, kTextWidth, 1000),
                                             Qt::TextWordWrap | Qt::AlignCenter, message)
                               .height();
    QRect box = layout::kStoreNotice;
    box.setHeight(std::max(box.height(), textHeight + kPaddingAndBorder));
    presentation_.place(storenotice_, box);
    storenotice_->setText(message);
    storenotice_->show();
    storenotice_->raise();
}

void StoreNotice::clear() {
    storenotice_->hide();
}

}  // namespace kestrel::ui
