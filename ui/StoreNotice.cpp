#include "StoreNotice.h"

#include <QLabel>

#include <cmath>

#include "Layout.h"

namespace kestrel::ui {

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
    storenotice_->setText(message);
    presentation_.place(storenotice_, layout::kStoreNotice);
    storenotice_->ensurePolished();  // its style sets the font the lines are measured in
    const int needed = storenotice_->heightForWidth(storenotice_->width());
    if (needed > storenotice_->height()) {
        QRect box = layout::kStoreNotice;
        box.setHeight(static_cast<int>(std::ceil(needed / presentation_.scale())) + 1);
        presentation_.place(storenotice_, box);
    }
    storenotice_->show();
    storenotice_->raise();
}

void StoreNotice::clear() {
    storenotice_->hide();
}

}  // namespace kestrel::ui
