#include "GamblePanel.h"

#include <QPainter>
#include <algorithm>

#include "Durations.h"
#include "Layout.h"
#include "Sounds.h"

namespace kestrel::ui {

namespace {

constexpr int kSlideStartTwips = 10;

const QString kRiskCaption = QStringLiteral("At Risk  ");
const QString kColourWinCaption = QStringLiteral("Black/Red Win = ");
const QString kSuitWinCaption = QStringLiteral("Suit Win = ");
const QString kNoWinCaption = QStringLiteral("No Win  ");

// The middle square of a suit icon picture, scaled to side × side units of a screen with this
// pixel ratio.
QPixmap squareIcon(const QPixmap& picture, int side, qreal ratio) {
    if (picture.isNull()) {
        return {};
    }
    const int square = std::min(picture.width(), picture.height());
    const QRect middle((picture.width() - square) / 2, (picture.height() - square) / 2, square,
                       square);
    const int pixels = qRound(side * ratio);
    QPixmap icon =
        picture.copy(middle).scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    icon.setDevicePixelRatio(ratio);
    return icon;
}

// A reveal frame drawn over a face: the face shows wherever the back has peeled away.
QPixmap overlay(const QPixmap& face, const QPixmap& frame) {
    QPixmap composite = face.copy();
    QPainter painter(&composite);
    painter.drawPixmap(0, 0, frame);
    return composite;
}

QLabel* caption(QWidget* panel, Presentation& presentation, const QString& name, const QRect& place,
                int pixelSize) {
    auto* label = new QLabel(panel);
    label->setObjectName(name);
    presentation.place(label, place);
    presentation.setStyle(
        label,
        QStringLiteral("color: #fff3c4; background: transparent; font: bold %1px 'DejaVu Sans';")
            .arg(pixelSize));
    return label;
}

QPushButton* guessButton(QWidget* panel, Presentation& presentation, const QString& name,
                         const QString& text, const QRect& place, const QString& colours) {
    auto* button = new QPushButton(text, panel);
    button->setObjectName(name);
    presentation.place(button, place);
    // The window keeps the keyboard focus: no key may act on the gamble.
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    presentation.setStyle(
        button, QStringLiteral("QPushButton { %1 border: 2px solid #c8a24a; border-radius: 7px;"
                               " font: bold 13px 'DejaVu Sans'; }"
                               "QPushButton:disabled { color: #8a8070; background: #4a4036; }")
                    .arg(colours));
    return button;
}

QLabel* slidePicture(QWidget* panel, Presentation& presentation, const QString& name,
                     Picture picture) {
    auto* label = new QLabel(panel);
    label->setObjectName(name);
    presentation.place(label, QRect(QPoint(0, 0), layout::gamble::kSlideSize));
    presentation.show(label, picture);
    label->hide();
    return label;
}

}  // namespace

GamblePanel::GamblePanel(QWidget* window, Machine& machine, Clock& clock, Sequencer& sequence,
                         Presentation& presentation, SoundCue sound)
    : QWidget(window),
      machine_(machine),
      sequence_(sequence),
      presentation_(presentation),
      sound_(std::move(sound)),
      history_(this, presentation,
               [this](int card) { return icon(card, layout::gamble::kHistorySize.width()); }) {
    namespace L = layout::gamble;
    Presentation& p = presentation;
    setObjectName(QStringLiteral("pandouble"));
    p.place(this, layout::kGamblePanel);

    piccardholder_ = new QLabel(this);
    piccardholder_->setObjectName(QStringLiteral("piccardholder"));
    p.place(piccardholder_, L::kCard);
    piccardholder_->setAlignment(Qt::AlignCenter);

    for (int card = 1; card <= 4; ++card) {
        auto* button = guessButton(this, p, QStringLiteral("suitbet%1").arg(card), QString(),
                                   L::kSuitButtons[card], QStringLiteral("background: #f6e7c8;"));
        connect(button, &QPushButton::clicked, this, [this, card] { guessSuit(card); });
        suitbet_[card] = button;
    }
    betred_ = guessButton(this, p, QStringLiteral("betred"), QStringLiteral("RED"), L::kRed,
                          QStringLiteral("color: #fff3c4; background: #b3202c;"));
    betblack_ = guessButton(this, p, QStringLiteral("betblack"), QStringLiteral("BLACK"), L::kBlack,
                            QStringLiteral("color: #fff3c4; background: #1d1a1a;"));
    cancelbet_ = guessButton(this, p, QStringLiteral("cancelbet"), QStringLiteral("COLLECT"),
                             L::kCollect, QStringLiteral("color: #2b1b12; background: #e8c25a;"));
    connect(betred_, &QPushButton::clicked, this, [this] { guessColour(CardColour::Red); });
    connect(betblack_, &QPushButton::clicked, this, [this] { guessColour(CardColour::Black); });
    connect(cancelbet_, &QPushButton::clicked, this, &GamblePanel::collect);

    risklab_ = caption(this, p, QStringLiteral("risklab"), L::kRiskLabel, 15);
    lblblackred_ = caption(this, p, QStringLiteral("lblblackred"), L::kColourWinLabel, 12);
    lblsuit_ = caption(this, p, QStringLiteral("lblsuit"), L::kSuitWinLabel, 12);
    QLabel* Lblpasthistory =
        caption(this, p, QStringLiteral("Lblpasthistory"), L::kPastHistoryLabel, 11);
    Lblpasthistory->setText(QStringLiteral("past history"));
    Lblpasthistory->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    const int slideStart = layout::twips(kSlideStartTwips);
    gamblewin_ = slidePicture(this, p, QStringLiteral("gamblewin"), Picture::gamblewin);
    gamblelose_ = slidePicture(this, p, QStringLiteral("gamblelose"), Picture::gamblelose);
    winSlide_ = new PictureSlide(gamblewin_, clock, p, L::kSlideLeft, slideStart, L::kSlideRestTop);
    loseSlide_ =
        new PictureSlide(gamblelose_, clock, p, L::kSlideLeft, slideStart, L::kSlideRestTop);
    connect(winSlide_, &PictureSlide::rested, this, &GamblePanel::slideRested);

    // Pictures the panel makes itself are made again at a new scale; a closed panel makes them
    // when it opens, so that the cards are drawn for a scale only once they are shown.
    connect(&presentation, &Presentation::rescaled, this, [this] {
        if (isVisible()) {
            showPictures();
            update();  // the panel's face is painted, not shown on a label
        }
    });
    hide();
}

// A card's suit icon, the middle square of its picture, at `side` pixels of the machine.
QPixmap GamblePanel::icon(int card, int side) const {
    return squareIcon(presentation_.picture(PictureList::imagelistcards, kFirstSuitIcon + card - 1),
                      presentation_.length(side), presentation_.ratio());
}

void GamblePanel::showIcons() {
    for (int card = 1; card <= 4; ++card) {
        const int side = layout::gamble::kSuitButtons[card].width() - 8;
        suitbet_[card]->setIcon(QIcon(icon(card, side)));
        suitbet_[card]->setIconSize(presentation_.size(QSize(side, side)));
    }
}

void GamblePanel::showPictures() {
    showIcons();
    history_.refresh();
    if (!revealing_) {  // a reveal shows its next frame with the new pictures itself
        showCard(shownCard_);
    }
}

void GamblePanel::showCard(int card) {
    shownCard_ = card;
    piccardholder_->setPixmap(
        presentation_.picture(PictureList::imagelistcards, card == 0 ? kCardBack : card));
}

void GamblePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), presentation_.picture(Picture::GamblePanel));  // a stand-in too
}

void GamblePanel::play(int resource) const {
    if (sound_) {
        sound_(resource);
    }
}

// --- opening and collecting ----------------------------------------------------------------

bool GamblePanel::open() {
    if (state_ != State::Closed || !machine_.canGamble()) {
        return false;
    }
    play(sound::kClick);
    (void)machine_.openGamble();
    present();
    return true;
}

void GamblePanel::reopen() {
    if (state_ != State::Closed || !machine_.gambleOpen()) {
        return;
    }
    const DrawnCards& cards = machine_.cardsDrawn();
    for (int i = 0; i < cards.kept(); ++i) {
        recordCard(cards.last[static_cast<size_t>(i)]);
    }
    present();
}

// The card face down, the stakes, every press ready.
void GamblePanel::present() {
    shownCard_ = 0;
    revealing_ = false;
    showPictures();
    setPressesEnabled(true);
    winSlide_->hide();
    loseSlide_->hide();
    lblblackred_->show();
    lblsuit_->show();
    showStakes();
    state_ = State::Open;
    show();
    raise();
}

void GamblePanel::collect() {
    if (!acceptsPress()) {
        return;
    }
    const std::int32_t amount = machine_.atRisk();
    hide();
    state_ = State::Closed;
    (void)machine_.collect();
    play(sound::kCollect);
    emit collected(amount);
}

// --- guesses ---------------------------------------------------------------------------------

bool GamblePanel::acceptsPress() const {
    return state_ == State::Open && machine_.gambleOpen();
}

void GamblePanel::guessColour(CardColour colour) {
    if (!acceptsPress()) {
        return;
    }
    if (colour == CardColour::Black) {
        play(sound::kClick);
    }
    beginDraw();
    const GuessResult guess = machine_.guessColour(colour);
    emit guessed();
    reveal(guess.card, duration::kColourRevealFrame);
    sequence_.then(0, [this, card = guess.card] { recordCard(card); });
    announce(guess, colour == CardColour::Red ? sound::kRedRight : sound::kBlackRight);
}

void GamblePanel::guessSuit(int suit) {
    if (!acceptsPress()) {
        return;
    }
    beginDraw();
    const GuessResult guess = machine_.guessSuit(suit);
    emit guessed();
    recordCard(guess.card);
    reveal(guess.card, duration::kSuitRevealFrame);
    announce(guess, sound::kSuitRight[suit]);
}

void GamblePanel::beginDraw() {
    state_ = State::Busy;
    setPressesEnabled(false);
    winSlide_->hide();
    risklab_->setText(kRiskCaption + QString::number(machine_.atRisk()));
}

// The card's back starts to peel away with the press and goes on frame by frame, then the
// face shows alone.
void GamblePanel::reveal(int card, int frameMs) {
    const auto showFrame = [this, card](int k) {
        // Held by value: asking for one picture may add another to the presentation's store,
        // which would leave a reference to the first one dangling.
        const QPixmap face = presentation_.picture(PictureList::imagelistcards, card);
        const QPixmap frame = presentation_.picture(PictureList::imagelistcards, k);
        piccardholder_->setPixmap(overlay(face, frame));
    };
    revealing_ = true;
    showFrame(kFirstRevealFrame);
    for (int k = kFirstRevealFrame + 1; k <= kLastRevealFrame; ++k) {
        sequence_.then(frameMs, [showFrame, k] { showFrame(k); });
    }
    sequence_.then(frameMs, [this, card] {
        revealing_ = false;
        showCard(card);
    });
}

void GamblePanel::announce(const GuessResult& guess, int rightSound) {
    sequence_.then(0, [this, won = guess.won, rightSound] {
        if (won) {
            play(rightSound);
            guessWon();
        } else {
            guessLost();
        }
    });
}

void GamblePanel::recordCard(int card) {
    history_.add(card);
}

void GamblePanel::guessWon() {
    showStakes();
    winSlide_->start();  // the presses come back when it rests
}

void GamblePanel::slideRested() {
    // The gamble may have been settled under the panel meanwhile (the window closing).
    if (state_ == State::Busy && machine_.gambleOpen()) {
        setPressesEnabled(true);
        state_ = State::Open;
    }
}

void GamblePanel::guessLost() {
    play(sound::kGuessWrong);
    loseSlide_->start();
    lblblackred_->hide();
    lblsuit_->hide();
    risklab_->setText(kNoWinCaption);
    sequence_.then(duration::kGambleLostPause, [this] { lostPauseOver(); });
}

void GamblePanel::lostPauseOver() {
    hide();
    state_ = State::Closed;
    emit lost();
}

// The amounts a right colour and a right suit guess would leave at risk. Near the credit's
// ceiling a right guess keeps the amount as it is, and the lines say so.
void GamblePanel::showStakes() {
    risklab_->setText(kRiskCaption + QString::number(machine_.atRisk()));
    lblblackred_->setText(kColourWinCaption +
                          QString::number(machine_.atRiskIfRight(Gamble::kColourFactor)));
    lblsuit_->setText(kSuitWinCaption +
                      QString::number(machine_.atRiskIfRight(Gamble::kSuitFactor)));
}

void GamblePanel::setPressesEnabled(bool enabled) {
    for (int card = 1; card <= 4; ++card) {
        suitbet_[card]->setEnabled(enabled);
    }
    betred_->setEnabled(enabled);
    betblack_->setEnabled(enabled);
    cancelbet_->setEnabled(enabled);
}

}  // namespace kestrel::ui
