#include "Cabinet.h"

#include "Layout.h"

namespace kestrel::ui {

namespace {

QLabel* picture(QWidget* window, const QString& name, const QRect& place, const QPixmap& pixmap) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

PictureButton* button(QWidget* window, const QString& name, const QRect& place, const ArtBook& art,
                      ButtonArt look) {
    auto* b = new PictureButton(window, name, art.button(look, true), art.button(look, false));
    b->setGeometry(place);
    return b;
}

QPushButton* menuButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& place) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral(
        "QPushButton { color: #2b1b12; background: #f6e7c8; border: 2px solid #c8a24a;"
        " border-radius: 8px; font: bold 14px 'DejaVu Sans'; }"
        "QPushButton:hover { background: #ffd6d6; }"));
    return b;
}

void applyTo(QWidget* control, const ControlState& state) {
    control->setEnabled(state.enabled);
    control->setVisible(state.visible);
}

}  // namespace

Cabinet::Cabinet(QWidget* window, const ArtBook& art) {
    namespace L = layout;
    for (int k = 1; k <= kPlayButtons; ++k) {
        // The push button holds the focus and takes clicks from code; it is never seen: the
        // picture covers it, and its pressed look is the cabinet's.
        auto* push = new QPushButton(window);
        push->setObjectName(QStringLiteral("play%1").arg(k));
        push->setGeometry(L::kPlayButtons[k]);
        push->setFlat(true);
        push->setStyleSheet(
            QStringLiteral("QPushButton { background: transparent; border: none; }"));
        play[k] = push;
        pplay[k] = button(window, QStringLiteral("pplay%1").arg(k), L::kPlayButtons[k], art,
                          static_cast<ButtonArt>(static_cast<int>(ButtonArt::Play1) + k - 1));
    }
    for (int k = 1; k <= kLineButtons; ++k) {
        payline[k] = button(window, QStringLiteral("payline%1").arg(k), L::kLineButtons[k], art,
                            static_cast<ButtonArt>(static_cast<int>(ButtonArt::Line1) + k - 1));
    }
    coinsin = button(window, QStringLiteral("coinsin"), L::kCoinsIn, art, ButtonArt::coinsin);
    notes = button(window, QStringLiteral("notes"), L::kNotes, art, ButtonArt::notes);
    autoplayon =
        button(window, QStringLiteral("autoplayon"), L::kAutoplayOn, art, ButtonArt::autoplayon);
    autoplayoff =
        button(window, QStringLiteral("autoplayoff"), L::kAutoplayOff, art, ButtonArt::autoplayoff);
    doublebutton = button(window, QStringLiteral("doublebutton"), L::kGambleButton, art,
                          ButtonArt::doublebutton);
    takewin = button(window, QStringLiteral("takewin"), L::kTakeWin, art, ButtonArt::takewin);
    btnoptions =
        button(window, QStringLiteral("btnoptions"), L::kOptions, art, ButtonArt::btnoptions);
    btnopenmenu =
        button(window, QStringLiteral("btnopenmenu"), L::kMenuOpener, art, ButtonArt::btnopenmenu);
    btnopenmenu->setMouseTracking(true);
    cmdexit = button(window, QStringLiteral("cmdexit"), L::kExit, art, ButtonArt::cmdexit);

    pannomoney_ = picture(window, QStringLiteral("pannomoney"), L::kNoCreditPanel,
                          art.picture(Picture::pannomoney));
    auto* words = new QLabel(
        QStringLiteral(
            "Not enough credit ! Click on the COINS button or button with $20 bill on it."),
        pannomoney_);
    words->setObjectName(QStringLiteral("pannomoneytext"));
    words->setGeometry(24, 14, L::kNoCreditPanel.width() - 48, L::kNoCreditPanel.height() - 28);
    words->setWordWrap(true);
    words->setAlignment(Qt::AlignCenter);
    words->setStyleSheet(QStringLiteral("color: #7a0c14; font: bold 17px 'DejaVu Sans';"));
    pannomoney_->hide();

    Btnreturn2game = menuButton(window, QStringLiteral("Btnreturn2game"),
                                QStringLiteral("Return to Game"), L::kReturnToGame);

    menupic_ =
        picture(window, QStringLiteral("menupic"), L::kMenuPanel, art.picture(Picture::MenuPanel));
    menupic_->setMouseTracking(true);
    viewpaylines = menuButton(menupic_, QStringLiteral("viewpaylines"),
                              QStringLiteral("View Paylines"), L::kMenuButtons[0]);
    mnuviewpaytable = menuButton(menupic_, QStringLiteral("mnuviewpaytable"),
                                 QStringLiteral("Pay Table"), L::kMenuButtons[1]);
    about =
        menuButton(menupic_, QStringLiteral("about"), QStringLiteral("About"), L::kMenuButtons[2]);
    xit = menuButton(menupic_, QStringLiteral("xit"), QStringLiteral("Exit"), L::kMenuButtons[3]);
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
    for (QPushButton* item : {viewpaylines, mnuviewpaytable, about}) {
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
