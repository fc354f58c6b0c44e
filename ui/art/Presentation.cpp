#include "Presentation.h"

#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace kestrel {

namespace {

// Dynamic properties that remember where a widget belongs in the machine's coordinates.
constexpr char kRect[] = "kestrelLogicalRect";
constexpr char kFont[] = "kestrelLogicalFont";
constexpr char kStyle[] = "kestrelLogicalStyle";
constexpr char kPicture[] = "kestrelPicture";  // the key of the picture a label shows

// One number for every picture: its kind, which one, which index, which look.
enum class Kind : quint32 { Single = 1, List = 2, Button = 3 };
constexpr quint32 key(Kind kind, int which, int index = 0) {
    return static_cast<quint32>(kind) << 24 | static_cast<quint32>(which) << 12 |
           static_cast<quint32>(index);
}

bool everyPixelOpaque(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return true;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}

QString scaledStyle(const QString& sheet, qreal scale) {
    static const QRegularExpression length(QStringLiteral(R"((\d+(?:\.\d+)?)px)"));
    QString out;
    qsizetype from = 0;
    for (auto it = length.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += sheet.mid(from, m.capturedStart() - from);
        out += QString::number(std::max(1, qRound(m.captured(1).toDouble() * scale))) + "px";
        from = m.capturedEnd();
    }
    return out + sheet.mid(from);
}

}  // namespace

Presentation::Presentation(QWidget* machine, const ArtBook& art)
    : QObject(machine), machine_(machine), art_(art) {}

QRect Presentation::rect(const QRect& logical) const {
    return QRect(point(logical.topLeft()), size(logical.size()));
}

QPoint Presentation::point(const QPoint& logical) const {
    return QPoint(qRound(logical.x() * scale_), qRound(logical.y() * scale_));
}

void Presentation::place(QWidget* widget, const QRect& logical) {
    widget->setProperty(kRect, logical);
    widget->setGeometry(rect(logical));
}

void Presentation::move(QWidget* widget, const QPoint& logical) {
    QRect placed = widget->property(kRect).toRect();
    placed.moveTopLeft(logical);
    place(widget, placed);
}

void Presentation::setFont(QWidget* widget, const QFont& logical) {
    widget->setProperty(kFont, logical);
    QFont font = logical;
    font.setPixelSize(std::max(1, length(logical.pixelSize())));
    widget->setFont(font);
}

void Presentation::setStyle(QWidget* widget, const QString& logical) {
    widget->setProperty(kStyle, logical);
    widget->setStyleSheet(scale_ == 1.0 ? logical : scaledStyle(logical, scale_));
}

void Presentation::setScale(qreal scale) {
    if (scale <= 0 || scale == scale_) {
        return;
    }
    scale_ = scale;
    pictures_.clear();
    const QList<QWidget*> widgets = machine_->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (const QVariant r = w->property(kRect); r.isValid()) {
            w->setGeometry(rect(r.toRect()));
        }
        if (const QVariant f = w->property(kFont); f.isValid()) {
            setFont(w, f.value<QFont>());
        }
        if (const QVariant s = w->property(kStyle); s.isValid()) {
            setStyle(w, s.toString());
        }
        if (const QVariant p = w->property(kPicture); p.isValid()) {
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const quint32 k = p.toUInt();
                const auto kind = static_cast<Kind>(k >> 24);
                const int which = static_cast<int>((k >> 12) & 0xFFF);
                const int index = static_cast<int>(k & 0xFFF);
                label->setPixmap(kind == Kind::Single
                                     ? picture(static_cast<Picture>(which))
                                     : picture(static_cast<PictureList>(which), index));
            }
        }
    }
    emit rescaled();
}

// --- pictures -------------------------------------------------------------------------------

// The book's picture at the scale in force: itself at 1, and otherwise made once for the scale.
// A picture with no see-through pixel is kept opaque, so that it is copied onto the screen
// rather than blended.
const QPixmap& Presentation::scaled(quint32 k, const QPixmap& original) const {
    if (scale_ == 1.0 || original.isNull()) {
        return original;
    }
    auto it = pictures_.find(k);
    if (it == pictures_.end()) {
        QImage image = original.toImage().scaled(scaledSize(original.size(), scale_),
                                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (everyPixelOpaque(image)) {
            image.convertTo(QImage::Format_RGB32);
        }
        it = pictures_.insert(k, QPixmap::fromImage(std::move(image)));
    }
    return *it;
}

const QPixmap& Presentation::picture(Picture p) const {
    return scaled(key(Kind::Single, static_cast<int>(p)), art_.picture(p));
}

const QPixmap& Presentation::picture(PictureList list, int index) const {
    return scaled(key(Kind::List, static_cast<int>(list), index), art_.picture(list, index));
}

const QPixmap& Presentation::button(ButtonArt art, bool enabled) const {
    return scaled(key(Kind::Button, static_cast<int>(art), enabled ? 1 : 0),
                  art_.button(art, enabled));
}

void Presentation::show(QLabel* label, Picture p) {
    label->setProperty(kPicture, key(Kind::Single, static_cast<int>(p)));
    label->setPixmap(picture(p));
}

void Presentation::show(QLabel* label, PictureList list, int index) {
    label->setProperty(kPicture, key(Kind::List, static_cast<int>(list), index));
    label->setPixmap(picture(list, index));
}

}  // namespace kestrel
