#include "Cabinet.h"

#include <QFont>

#include "Layout.h"
#include "MarkerLabel.h"

namespace kestrel::ui {

namespace {

QLabel* meter(QWidget* window, const QString& name, const QRect& place, int pixelSize,
              Qt::Alignment alignment) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    label->setGeometry(place);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #ffe9a8; background: transparent;"));
    return label;
}

QLabel* picture(QWidget* window, const QString& name, const QRect& place, const QPixmap& pixmap) {
    auto* label = new QLabel(window);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

PictureButton* button(QWidget* window, const QString& name, const QRect& place,
                      const ArtBook& art, ButtonArt look) {
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

}  // namespace

Cabinet::Cabinet(QWidget* window, const ArtBook& art) {
    namespace L = layout;
    const auto right = Qt::AlignRight;
    PANELBANK = meter(window, QStringLiteral("PANELBANK"), L::meterCredits(L::kCreditMeter), 20, Qt::AlignLeft);
    Lblcredit = meter(window, QStringLiteral("Lblcredit"), L::meterDollars(L::kCreditMeter), 16, right);
    LABLASTBET = picture(window, QStringLiteral("LABLASTBET"), L::meterCaption(L::kBetMeter),
                         art.picture(Picture::LABLASTBET));
    LABTHISWIN = picture(window, QStringLiteral("LABTHISWIN"), L::meterCaption(L::kBetMeter),
                         art.picture(Picture::LABTHISWIN));
    LABTHISWIN->hide();
    const QRect betValue(L::kBetMeter.x() + 4, L::kBetMeter.y() + 16, L::kBetMeter.width() - 8, 22);
    lbllast = meter(window, QStringLiteral("lbllast"), betValue, 20, Qt::AlignHCenter);
    Lblcurrentwin = meter(window, QStringLiteral("Lblcurrentwin"), betValue, 20, Qt::AlignHCenter);
    Lblcurrentwin->hide();
    LABWIN = meter(window, QStringLiteral("LABWIN"), L::meterCredits(L::kWinMeter), 20, Qt::AlignLeft);
    lblwin = meter(window, QStringLiteral("lblwin"), L::meterDollars(L::kWinMeter), 16, right);

    panfreespin = picture(window, QStringLiteral("panfreespin"), L::kInfoPlate,
                          art.picture(Picture::panfreespin));

    for (int k = 1; k <= kPlayButtons; ++k) {
        // The push button sits under its picture; it carries the keyboard focus.
        auto* push = new QPushButton(window);
        push->setObjectName(QStringLiteral("play%1").arg(k));
        push->setGeometry(L::kPlayButtons[k]);
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
    autoplayon = button(window, QStringLiteral("autoplayon"), L::kAutoplayOn, art, ButtonArt::autoplayon);
    autoplayoff = button(window, QStringLiteral("autoplayoff"), L::kAutoplayOff, art, ButtonArt::autoplayoff);
    doublebutton = button(window, QStringLiteral("doublebutton"), L::kGambleButton, art, ButtonArt::doublebutton);
    doublebutton->setEnabled(false);
    takewin = button(window, QStringLiteral("takewin"), L::kTakeWin, art, ButtonArt::takewin);
    takewin->setEnabled(false);
    takewin->hide();
    btnoptions = button(window, QStringLiteral("btnoptions"), L::kOptions, art, ButtonArt::btnoptions);
    btnopenmenu = button(window, QStringLiteral("btnopenmenu"), L::kMenuOpener, art, ButtonArt::btnopenmenu);
    btnopenmenu->setMouseTracking(true);
    cmdexit = button(window, QStringLiteral("cmdexit"), L::kExit, art, ButtonArt::cmdexit);

    for (int m = 1; m <= 26; ++m) {
        lin[m] = new MarkerLabel(window);
        lin[m]->setObjectName(QStringLiteral("lin%1").arg(m));
        lin[m]->setGeometry(L::markerRect(m));
        lin[m]->setPixmap(art.picture(PictureList::linepics, m == 26 ? 1 : m));
        lin[m]->setMouseTracking(true);
        lin[m]->setEnabled(false);
    }

    ctlfrees1 = picture(window, QStringLiteral("ctlfrees1"), L::kFreeSpinsWon, art.picture(Picture::ctlfrees1));
    ctrlfreesleft1 = picture(window, QStringLiteral("ctrlfreesleft1"), L::kFreeSpinsLeft,
                             art.picture(Picture::ctrlfreesleft1));
    freespinscompleted1 = picture(window, QStringLiteral("freespinscompleted1"), L::kFreeSpinsCompleted,
                                  art.picture(Picture::freespinscompleted1));
    spinsleft = meter(window, QStringLiteral("spinsleft"), L::kSpinsLeftCount, 30, Qt::AlignHCenter);
    for (QLabel* hidden : {ctlfrees1, ctrlfreesleft1, freespinscompleted1, spinsleft}) {
        hidden->hide();
    }

    dollar1 = picture(window, QStringLiteral("dollar1"), L::kDollarCoin, art.picture(Picture::dollar1));
    halfcoin1 = picture(window, QStringLiteral("halfcoin1"), L::kHalfCoin, art.picture(Picture::halfcoin1));
    dollar1->hide();
    halfcoin1->hide();

    pannomoney = picture(window, QStringLiteral("pannomoney"), L::kNoCreditPanel,
                         art.picture(Picture::pannomoney));
    auto* words = new QLabel(
        QStringLiteral("Not enough credit ! Click on the COINS button or button with $20 bill on it."),
        pannomoney);
    words->setObjectName(QStringLiteral("pannomoneytext"));
    words->setGeometry(24, 14, L::kNoCreditPanel.width() - 48, L::kNoCreditPanel.height() - 28);
    words->setWordWrap(true);
    words->setAlignment(Qt::AlignCenter);
    words->setStyleSheet(QStringLiteral("color: #7a0c14; font: bold 17px 'DejaVu Sans';"));
    pannomoney->hide();

    Btnreturn2game = menuButton(window, QStringLiteral("Btnreturn2game"),
                                QStringLiteral("Return to Game"), L::kReturnToGame);
    Btnreturn2game->hide();

    menupic = picture(window, QStringLiteral("menupic"), L::kMenuPanel, art.picture(Picture::MenuPanel));
    menupic->setMouseTracking(true);
    viewpaylines = menuButton(menupic, QStringLiteral("viewpaylines"), QStringLiteral("View Paylines"),
                              L::kMenuButtons[0]);
    mnuviewpaytable = menuButton(menupic, QStringLiteral("mnuviewpaytable"),
                                 QStringLiteral("Pay Table"), L::kMenuButtons[1]);
    about = menuButton(menupic, QStringLiteral("about"), QStringLiteral("About"), L::kMenuButtons[2]);
    xit = menuButton(menupic, QStringLiteral("xit"), QStringLiteral("Exit"), L::kMenuButtons[3]);
    menupic->hide();
}

void Cabinet::setPlayButtonsEnabled(bool enabled) {
    for (int k = 1; k <= kPlayButtons; ++k) {
        play[k]->setEnabled(enabled);
        pplay[k]->setEnabled(enabled);
    }
}

void Cabinet::setLineButtonsEnabled(bool enabled) {
    for (int k = 1; k <= kLineButtons; ++k) {
        payline[k]->setEnabled(enabled);
    }
}

void Cabinet::setMarkersEnabled(bool enabled) {
    for (int m = 1; m <= 26; ++m) {
        lin[m]->setEnabled(enabled);
    }
}

}  // namespace kestrel::ui
