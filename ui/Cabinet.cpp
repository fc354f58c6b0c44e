#include "Cabinet.h"

#include "CaptionButton.h"
#include "Layout.h"
#include "PictureLabel.h"

namespace kestrel::ui {

namespace {

PictureButton* button(QWidget* window, Presentation& presentation, const QString& name,
                      const QRect& place, ButtonArt look) {
    return new PictureButton(window, name, presentation, look, place);
}

void applyTo(QWidget* control, const ControlState& state) {
    control->setEnabled(state.enabled);
    control->setVisible(state.visible);
}

}  // namespace

Cabinet::Cabinet(QWidget* window, Presentation& presentation) {
    namespace L = layout;
    Presentation& p = presentation;
    for (int k = 1; k <= kPlayButtons; ++k) {
        // The push button holds the focus and takes clicks from code; it is never seen: the
        // picture covers it, and its pressed look is the cabinet's.
        auto* push = new QPushButton(window);
        push->setObjectName(QStringLiteral("play%1").arg(k));
        p.place(push, L::kPlayButtons[k]);
        push->setFlat(true);
        push->setStyleSheet(
            QStringLiteral("QPushButton { background: transparent; border: none; }"));
        play[k] = push;
        pplay[k] = button(window, p, QStringLiteral("pplay%1").arg(k), L::kPlayButtons[k],
                          static_cast<ButtonArt>(static_cast<int>(ButtonArt::Play1) + k - 1));
        // A press while the reels turn stops them: a double click would start a spin and stop
        // it at once, so it is one press.
        pplay[k]->setDoubleClickPressesTwice(false);
    }
    for (int k = 1; k <= kLineButtons; ++k) {
        payline[k] = button(window, p, QStringLiteral("payline%1").arg(k), L::kLineButtons[k],
                            static_cast<ButtonArt>(static_cast<int>(ButtonArt::Line1) + k - 1));
    }
    coinsin = button(window, p, QStringLiteral("coinsin"), L::kCoinsIn, ButtonArt::coinsin);
    notes = button(window, p, QStringLiteral("notes"), L::kNotes, ButtonArt::notes);
    autoplayon =
        button(window, p, QStringLiteral("autoplayon"), L::kAutoplayOn, ButtonArt::autoplayon);
    autoplayoff =
        button(window, p, QStringLiteral("autoplayoff"), L::kAutoplayOff, ButtonArt::autoplayoff);
    doublebutton = button(window, p, QStringLiteral("doublebutton"), L::kGambleButton,
                          ButtonArt::doublebutton);
    takewin = button(window, p, QStringLiteral("takewin"), L::kTakeWin, ButtonArt::takewin);
    btnoptions =
        button(window, p, QStringLiteral("btnoptions"), L::kOptions, ButtonArt::btnoptions);
    btnopenmenu =
        button(window, p, QStringLiteral("btnopenmenu"), L::kMenuOpener, ButtonArt::btnopenmenu);
    btnopenmenu->setMouseTracking(true);
    cmdexit = button(window, p, QStringLiteral("cmdexit"), L::kExit, ButtonArt::cmdexit);

    pannomoney_ = makePictureLabel(window, p, QStringLiteral("pannomoney"), L::kNoCreditPanel,
                                   Picture::pannomoney);
    auto* words = new QLabel(
        QStringLiteral(
            "Not enough credit ! Click on the COINS button or button with $20 bill on it."),
        pannomoney_);
    words->setObjectName(QStringLiteral("pannomoneytext"));
    p.place(words, QRect(24, 14, L::kNoCreditPanel.width() - 48, L::kNoCreditPanel.height() - 28));
    words->setWordWrap(true);
    words->setAlignment(Qt::AlignCenter);
    p.setStyle(words, QStringLiteral("color: #7a0c14; font: bold 17px 'DejaVu Sans';"));
    pannomoney_->hide();

    Btnreturn2game = captionButton(window, p, QStringLiteral("Btnreturn2game"),
                                   QStringLiteral("Return to Game"), L::kReturnToGame);

    menupic_ =
        makePictureLabel(window, p, QStringLiteral("menupic"), L::kMenuPanel, Picture::MenuPanel);
    menupic_->setMouseTracking(true);
    viewpaylines = captionButton(menupic_, p, QStringLiteral("viewpaylines"),
                                 QStringLiteral("View Paylines"), L::kMenuButtons[0]);
    mnuviewpaytable = captionButton(menupic_, p, QStringLiteral("mnuviewpaytable"),
                                    QStringLiteral("Pay Table"), L::kMenuButtons[1]);
    lastgames = captionButton(menupic_, p, QStringLiteral("lastgames"),
                              QStringLiteral("Last Games"), L::kMenuButtons[2]);
    about = captionButton(menupic_, p, QStringLiteral("about"), QStringLiteral("About"),
                          L::kMenuButtons[3]);
    xit = captionButton(menupic_, p, QStringLiteral("xit"), QStringLiteral("Exit"),
                        L::kMenuButtons[4]);
    menupic_->hide();

    apply(ControlStates{});
}

void Cabinet::apply(const ControlStates& s) {
    for (int k = 1; k <= kPlayButtons; ++k) {
        applyTo(play[k], s.play);
        applyTo(pplay[k], s.play);
    }
    for (int k = 1; k <= kLineButtons; ++k) {
        applyTo(payline[k], s.lines);
    }
    applyTo(coinsin, s.coins);
    applyTo(notes, s.note);
    applyTo(autoplayon, s.autoplayOn);
    applyTo(autoplayoff, s.autoplayOff);
    applyTo(doublebutton, s.gamble);
    applyTo(takewin, s.takeWin);
    applyTo(btnoptions, s.options);
    applyTo(Btnreturn2game, s.returnToGame);
    // The opener stays bright; whether it opens the menu is the window's to decide on a hover.
    // The menu's items follow the menu itself.
    for (QPushButton* item : {viewpaylines, mnuviewpaytable, lastgames, about}) {
        item->setEnabled(s.menu.enabled);
    }
    if (!s.menu.enabled) {
        closeMenu();
    }
}

void Cabinet::endPressedLooks() {
    for (PictureButton* b : {btnoptions, autoplayon, doublebutton, notes}) {
        b->endPressedLook();
    }
    for (int k = 1; k <= kPlayButtons; ++k) {
        pplay[k]->endPressedLook();
    }
}

void Cabinet::openMenu() {
    menupic_->show();
    menupic_->raise();
}

void Cabinet::closeMenu() {
    menupic_->hide();
}

bool Cabinet::menuArea(QPoint at) const {
    const QRect area = menupic_->geometry().united(btnopenmenu->geometry()).adjusted(-4, -4, 4, 4);
    return area.contains(at);
}

void Cabinet::showNoCredit(bool shown) {
    pannomoney_->setVisible(shown);
    if (shown) {
        pannomoney_->raise();
    }
}

}  // namespace kestrel::ui
