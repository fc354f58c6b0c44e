#include "Presentation.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include "CardArt.h"

namespace kestrel {

namespace {

// Dynamic properties that remember where a widget belongs in the machine's coordinates.
constexpr char kRect[] = "kestrelLogicalRect";
constexpr char kFont[] = "kestrelLogicalFont";
constexpr char kStyle[] = "kestrelLogicalStyle";
constexpr char kPicture[] = "kestrelPicture";            // the key of the picture a label shows
constexpr char kKeepsColours[] = "kestrelKeepsColours";  // not greyed while disabled

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

// What the machine shows at once, in the order it is drawn for a new scale: the cabinet, its
// buttons, the reels, their markers, symbols and animations, then the plates, banners and coins.
// The reel pictures, whose drawing needs the most memory besides what it makes, come before the
// rest adds up. The gamble's cards and panel, and the pictures shown only at 800 × 600 (the reel
// columns), are drawn when first asked for.
std::vector<ArtKey> firstPictures() {
    std::vector<ArtKey> plan{ArtKey::single(Picture::Background)};
    for (int b = 0; b < kButtonArtCount; ++b) {
        plan.push_back(ArtKey::button(static_cast<ButtonArt>(b), true));
        plan.push_back(ArtKey::button(static_cast<ButtonArt>(b), false));
    }
    for (const PictureList l :
         {PictureList::spinlist, PictureList::linepics, PictureList::listsingles,
          PictureList::ScatterDanceFrames, PictureList::WildGlowFrames}) {
        plan.push_back(ArtKey::list(l));
    }
    for (const Picture p : {Picture::panfreespin, Picture::MenuPanel, Picture::pannomoney,
                            Picture::ctlfrees1, Picture::ctrlfreesleft1,
                            Picture::freespinscompleted1, Picture::dollar1, Picture::halfcoin1}) {
        plan.push_back(ArtKey::single(p));
    }
    return plan;
}

// A reel's column at one of its stops (shown at 800 × 600 only).
bool isReelColumn(ArtKey key) {
    return key.kind == ArtKey::Kind::List &&
           reelOfColumnList(static_cast<PictureList>(key.which)) != 0;
}

// The idle reels: shown before the first spin and after the pay-line view, and otherwise not
// at all. Drawn for a scale they are let go while no reel shows them (12 MB at 4K, that the
// gamble, for one, has better use for), and one is drawn alone when it is shown again.
bool isLetGoUnshown(ArtKey key) {
    return key.kind == ArtKey::Kind::List &&
           isIdleReel(static_cast<PictureList>(key.which), key.index);
}

// What the renderer is asked for when a picture is missing: a list whose pictures are shown
// together comes whole, and a reel column, an idle reel or a frame the whole list leaves out
// alone.
ArtKey toAskFor(ArtKey key) {
    if (key == ArtKey::single(Picture::LABLASTBET) || key == ArtKey::single(Picture::LABTHISWIN)) {
        return ArtKey::single(Picture::Background);  // cut from the cabinet as it is drawn
    }
    if (key.kind == ArtKey::Kind::List) {
        const auto list = static_cast<PictureList>(key.which);
        if (reelOfColumnList(list) == 0 && !isSpareFrame(list, key.index) && !isLetGoUnshown(key)) {
            return ArtKey::list(list);
        }
    }
    return key;
}

}  // namespace

Presentation::Presentation(QWidget* machine, const ArtBook& art)
    : QObject(machine), machine_(machine), art_(art) {}

Presentation::~Presentation() = default;

QRect Presentation::rect(const QRect& logical) const {
    return scaledRect(logical, scale_);
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

void Presentation::setScale(qreal scale, qreal ratio) {
    if (scale <= 0 || ratio <= 0 || (scale == scale_ && ratio == ratio_)) {
        return;
    }
    scale_ = scale;
    ratio_ = ratio;
    pictures_.clear();
    background_ = {};
    cells_.clear();
    waiting_.clear();
    asked_.clear();
    drawing_ = artScale() != 1.0;
    if (artScale() == 1.0) {
        if (renderer_) {
            renderer_->stop();
        }
        planPending_ = false;
        machine_->removeEventFilter(this);
    } else {
        if (!renderer_) {
            renderer_ = std::make_unique<ArtRenderer>(
                this,
                [this](ArtRenderer::Drawn drawn, bool done) { receive(std::move(drawn), done); });
        }
        for (const ArtKey& key : firstPictures()) {
            asked_.insert(key.code());
        }
        // A picture first asked for now is drawn at once; the rest of the first pictures wait
        // for the first frame at the scale, which the stand-ins make quickly on their own.
        renderer_->start(artScale(), {});
        if (machine_->isVisible()) {
            planPending_ = true;
            machine_->installEventFilter(this);
        } else {
            renderer_->append(firstPictures());
        }
    }
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
                setOn(label, ArtKey::fromCode(p.toUInt()));
            }
        }
    }
    emit rescaled();
}

// --- pictures -------------------------------------------------------------------------------

// The book's picture at the scale in force: itself at 1. At any other scale, the picture drawn
// for the scale once it has come, and until then the book's standing in. The book's own is let
// go as soon as its stand-in is made: the stand-in is a copy of its own, and the picture drawn
// for the scale replaces it.
const QPixmap& Presentation::pictureOf(ArtKey key) const {
    if (artScale() == 1.0 && ratio_ == 1.0) {
        return original(key);
    }
    const quint32 code = key.code();
    auto it = pictures_.find(code);
    if (it != pictures_.end()) {
        return *it;
    }
    if (artScale() == 1.0) {
        // The machine at 800 × 600 of the screen's pixels on a scaled desktop (an 800 × 600
        // screen at 200 %): the book's pixels are the screen's, and the picture says so, or it
        // would be shown at the ratio's times its size.
        const QPixmap& original = this->original(key);
        if (original.isNull()) {
            return original;
        }
        QPixmap onScreen = original;
        onScreen.setDevicePixelRatio(ratio_);
        it = pictures_.insert(code, std::move(onScreen));
        forgetOriginal(key);
        return *it;
    }
    if (const QPixmap* frame = revealFrame(key)) {
        return *frame;
    }
    if (inLayers(key)) {
        // Made whole for whoever asks; the labels paint it from its layers.
        return *pictures_.insert(code,
                                 cells_.picture(static_cast<PictureList>(key.which), key.index));
    }
    const QPixmap& original = this->original(key);
    if (original.isNull()) {
        return original;
    }
    it = pictures_.insert(code, standIn(key, original));
    forgetOriginal(key);
    if (key == ArtKey::single(Picture::Background) && !background_.isEmpty()) {
        return *it;  // the cabinet is sharp in its parts
    }
    waiting_.insert(code);
    const ArtKey ask = toAskFor(key);
    if (!asked_.contains(ask.code())) {
        asked_.insert(ask.code());
        renderer_->request(ask);
        drawing_ = true;
    }
    return *it;
}

// A stand-in costs next to nothing: the book's picture, told that its pixels are smaller, is
// stretched as it is painted. The gamble's cards are composed into other pictures pixel by
// pixel, so theirs are stretched for real.
QPixmap Presentation::standIn(ArtKey key, const QPixmap& original) const {
    if (key.kind == ArtKey::Kind::List &&
        static_cast<PictureList>(key.which) == PictureList::imagelistcards) {
        QPixmap scaled = original.scaled(scaledSize(original.size(), artScale()),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio_);
        return scaled;
    }
    QPixmap stretched = original;
    stretched.setDevicePixelRatio(original.devicePixelRatio() / scale_);
    return stretched;
}

// Pictures drawn for the scale take the place of their stand-ins, wherever they are shown.
void Presentation::receive(ArtRenderer::Drawn drawn, bool done) {
    QSet<quint32> arrived;
    bool background = false;
    for (ArtRenderer::Drawing& drawing : drawn) {
        const quint32 code = drawing.key.code();
        if (!drawing.cells.isEmpty()) {
            // A cell list: its stand-ins go, its labels paint from the layers.
            const auto list = static_cast<PictureList>(drawing.key.which);
            cells_.add(list, std::move(drawing.cells), ratio_);
            for (int i = 1; i <= kRows * cellGroups(list); ++i) {
                const quint32 cell = ArtKey::list(list, i).code();
                pictures_.remove(cell);
                waiting_.remove(cell);
                arrived.insert(cell);
            }
            continue;
        }
        if (drawing.key == ArtKey::list(PictureList::imagelistcards, kCardBack)) {
            // The reveal frames are made from it from now on.
            for (int k = kFirstRevealFrame; k <= kLastRevealFrame; ++k) {
                const quint32 frame = ArtKey::list(PictureList::imagelistcards, k).code();
                pictures_.remove(frame);
                waiting_.remove(frame);
            }
        }
        if (!drawing.parts.isEmpty()) {
            // The cabinet: painted from its parts, the stand-in no longer needed.
            background_ = toPixmaps(std::move(drawing.parts), ratio_);
            pictures_.remove(code);
            background = true;
        } else if (!drawing.image.isNull()) {
            if (isLetGoUnshown(drawing.key) && !asked_.contains(code) && !shownOnALabel(code)) {
                pictures_.remove(code);  // drawn with its list, and not wanted now
                waiting_.remove(code);
                continue;
            }
            pictures_.insert(code, pixmapForScreen(std::move(drawing.image), ratio_));
        } else {
            continue;
        }
        waiting_.remove(code);
        arrived.insert(code);
    }
    if (!arrived.isEmpty()) {
        for (QLabel* label : machine_->findChildren<QLabel*>()) {
            if (const QVariant p = label->property(kPicture);
                p.isValid() && arrived.contains(p.toUInt())) {
                setOn(label, ArtKey::fromCode(p.toUInt()));
            }
        }
        if (background) {
            machine_->update();
        }
        emit rescaled();
    }
    if (done && !planPending_) {
        drawing_ = false;
        emit drawingDone();
    }
}

void Presentation::paintBackground(QPainter& painter, const QRect& exposed) const {
    if (artScale() != 1.0 && !background_.isEmpty()) {
        paintParts(painter, background_, exposed);
    } else {
        // At its size in the machine: a stand-in is stretched only when drawn into a rectangle.
        const QPixmap& cabinet = picture(Picture::Background);
        painter.drawPixmap(QRectF(QPointF(0, 0), cabinet.deviceIndependentSize()), cabinet,
                           cabinet.rect());
    }
}

const QPixmap& Presentation::original(ArtKey key) const {
    switch (key.kind) {
        case ArtKey::Kind::Single:
            return art_.picture(static_cast<Picture>(key.which));
        case ArtKey::Kind::List:
            return art_.picture(static_cast<PictureList>(key.which), key.index);
        case ArtKey::Kind::Button:
            return art_.button(static_cast<ButtonArt>(key.which), key.index != 0);
    }
    return art_.picture(Picture::Background);
}

void Presentation::forgetOriginal(ArtKey key) const {
    switch (key.kind) {
        case ArtKey::Kind::Single:
            art_.forget(static_cast<Picture>(key.which));
            break;
        case ArtKey::Kind::List:
            art_.forget(static_cast<PictureList>(key.which), key.index);
            break;
        case ArtKey::Kind::Button:
            art_.forgetButton(static_cast<ButtonArt>(key.which), key.index != 0);
            break;
    }
}

const QPixmap& Presentation::picture(Picture p) const {
    return pictureOf(ArtKey::single(p));
}

const QPixmap& Presentation::picture(PictureList list, int index) const {
    return pictureOf(ArtKey::list(list, index));
}

const QPixmap& Presentation::button(ButtonArt art, bool enabled) const {
    return pictureOf(ArtKey::button(art, enabled));
}

void Presentation::show(QLabel* label, Picture p) {
    showOn(label, ArtKey::single(p));
}

void Presentation::show(QLabel* label, PictureList list, int index) {
    showOn(label, ArtKey::list(list, index));
}

void Presentation::showOn(QLabel* label, ArtKey key) {
    const QVariant shown = label->property(kPicture);
    if (!shown.isValid()) {
        label->installEventFilter(this);
    } else if (shown.toUInt() == key.code() &&
               (inLayers(key) ? label->pixmap().isNull()
                              : label->pixmap().cacheKey() == pictureOf(key).cacheKey())) {
        return;  // a label given its own picture again would paint it again
    }
    label->setProperty(kPicture, key.code());
    setOn(label, key);
    if (!shown.isValid()) {
        return;
    }
    const ArtKey previous = ArtKey::fromCode(shown.toUInt());
    if (artScale() != 1.0) {
        letGoUnlessShown(previous);
    } else if (isReelColumn(previous)) {
        // A reel shows the column of its stop for one settle tick before its cells replace it;
        // kept, the 110 columns would add up to 20 MB over a session.
        forgetOriginal(previous);
        pictures_.remove(previous.code());
    }
}

// A frame of the card's reveal at a scale, made from the back drawn for it; null until the back
// has come (the book's frame stands in meanwhile). Only the last one made is kept: the gamble
// lays each frame over the face as it shows it.
const QPixmap* Presentation::revealFrame(ArtKey key) const {
    if (key.kind != ArtKey::Kind::List ||
        !isRevealFrame(static_cast<PictureList>(key.which), key.index)) {
        return nullptr;
    }
    const auto back =
        pictures_.constFind(ArtKey::list(PictureList::imagelistcards, kCardBack).code());
    if (back == pictures_.constEnd() || waiting_.contains(back.key())) {
        return nullptr;
    }
    QImage backImage = back->toImage();
    backImage.setDevicePixelRatio(artScale());
    revealFrame_ =
        pixmapForScreen(art::cardRevealFrame(backImage, key.index - kFirstRevealFrame + 1), ratio_);
    return &revealFrame_;
}

bool Presentation::shownOnALabel(quint32 code) const {
    const QList<QLabel*> labels = machine_->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [code](const QLabel* label) {
        const QVariant p = label->property(kPicture);
        return p.isValid() && p.toUInt() == code;
    });
}

void Presentation::letGoUnlessShown(ArtKey key) {
    const quint32 code = key.code();
    if (isLetGoUnshown(key) && pictures_.contains(code) && !shownOnALabel(code)) {
        pictures_.remove(code);
        waiting_.remove(code);
        asked_.remove(code);
    }
}

// A cell drawn in layers is painted from them (see eventFilter()); the label holds no picture.
void Presentation::setOn(QLabel* label, ArtKey key) {
    if (inLayers(key)) {
        label->setPixmap(QPixmap());
        label->update();
    } else {
        label->setPixmap(pictureOf(key));
    }
}

void Presentation::keepColoursWhileDisabled(QLabel* label) {
    label->setProperty(kKeepsColours, true);
}

// The picture as the label shows it: a disabled label's picture greys as the label greys a
// picture it paints itself, as at 800 × 600, unless the label keeps its colours. Made only while a
// dialog holds the machine, so it is not kept.
QPixmap Presentation::greyed(const QLabel* label, const QPixmap& picture) {
    if (label->isEnabled() || label->property(kKeepsColours).toBool()) {
        return picture;
    }
    QStyleOption option;
    option.initFrom(label);
    return label->style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
}

bool Presentation::inLayers(ArtKey key) const {
    return artScale() != 1.0 && key.kind == ArtKey::Kind::List &&
           cells_.has(static_cast<PictureList>(key.which));
}

// A label showing a cell drawn in layers paints it from them: three copies where the picture
// would take one, but no picture made and kept for each cell shown. A label painting a picture
// whose pixels are not the screen's (a stand-in, or any picture on a scaled desktop) would first
// make a smoothed copy of it at its own size, blurring it; it is drawn into its place instead,
// which costs no more than the picture itself.
bool Presentation::eventFilter(QObject* watched, QEvent* event) {
    if (watched == machine_) {
        if (event->type() == QEvent::Paint && planPending_) {
            machine_->removeEventFilter(this);
            // Once this frame is painted and on its way to the screen.
            QMetaObject::invokeMethod(
                this,
                [this, scale = artScale()] {
                    if (artScale() == scale && planPending_) {
                        planPending_ = false;
                        renderer_->append(firstPictures());
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    if (event->type() == QEvent::Paint) {
        auto* label = static_cast<QLabel*>(watched);
        if (const ArtKey key = ArtKey::fromCode(label->property(kPicture).toUInt());
            inLayers(key)) {
            QPainter painter(label);
            if (label->isEnabled()) {
                cells_.paint(painter, static_cast<PictureList>(key.which), key.index);
            } else {
                painter.drawPixmap(
                    0, 0,
                    greyed(label, cells_.picture(static_cast<PictureList>(key.which), key.index)));
            }
            return true;
        }
        const QPixmap pixmap = label->pixmap();
        if (!pixmap.isNull() && pixmap.devicePixelRatio() != 1.0) {
            QPainter painter(label);
            painter.drawPixmap(label->rect(), greyed(label, pixmap));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kestrel
