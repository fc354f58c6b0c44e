#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Where everything sits on the 800 × 600 machine. The background picture is drawn from these
// same rectangles, so the controls always land on the places the cabinet shows for them.
// Positions given originally in twips (15 to a pixel) are converted with twips().
namespace kestrel::layout {

constexpr int twips(int t) {
    return (t + 7) / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline constexpr QSize kWindow(800, 600);

// --- reel window ---
inline constexpr QSize kCell(125, 125);
inline constexpr QSize kReelPicture(125, 375);
inline constexpr int kReelTop = 66;
// Reel centres at 133, 267, 400, 533 and 673 px.
inline constexpr std::array<int, 6> kReelLeft = {0, 71, 204, 338, 471, 611};
constexpr QRect reelRect(int reel) {
    return QRect(QPoint(kReelLeft[reel], kReelTop), kReelPicture);
}
inline constexpr QRect kReelWindow(71, 66, 736 - 71, 375);

// --- payline markers: 45 × 25, line L's marker holds the height at which its path starts or
// ends; 26 is line 1's second marker on the right.
inline constexpr QSize kMarker(45, 25);
inline constexpr int kMarkerLeftX = 13;
inline constexpr int kMarkerRightX = 744;
struct MarkerPlace {
    bool right;
    int top;
};
inline constexpr std::array<MarkerPlace, 27> kMarkerPlace = {{
    {false, 0},   {false, 243},  // 1
    {false, 112},                // 2
    {false, 373},                // 3
    {false, 46},                 // 4
    {false, 434},                // 5
    {false, 84},                 // 6
    {false, 401},                // 7
    {false, 186},                // 8
    {false, 299},                // 9
    {false, 213},                // 10
    {false, 272},                // 11
    {false, 139},                // 12
    {false, 346},                // 13
    {true, 85},                  // 14
    {true, 156},                 // 15
    {true, 371},                 // 16
    {true, 326},                 // 17
    {true, 116},                 // 18
    {true, 399},                 // 19
    {true, 272},                 // 20
    {true, 213},                 // 21
    {true, 186},                 // 22
    {true, 299},                 // 23
    {true, 426},                 // 24
    {true, 58},                  // 25
    {true, 243},                 // 26 (line 1)
}};
constexpr QRect markerRect(int marker) {
    const MarkerPlace p = kMarkerPlace[marker];
    return QRect(QPoint(p.right ? kMarkerRightX : kMarkerLeftX, p.top), kMarker);
}

// --- top bar: menu opener, meters, logo, coin slot, exit ---
inline constexpr QRect kMenuOpener(8, 6, 44, 38);    // btnopenmenu
inline constexpr QRect kMenuPanel(8, 46, 168, 232);  // menupic
inline constexpr std::array<QRect, 5> kMenuButtons = {{
    // inside menupic
    QRect(12, 10, 144, 36),   // viewpaylines
    QRect(12, 54, 144, 36),   // mnuviewpaytable
    QRect(12, 98, 144, 36),   // lastgames
    QRect(12, 142, 144, 36),  // about
    QRect(12, 186, 144, 36),  // xit
}};
inline constexpr QRect kCreditMeter(58, 4, 190, 40);  // frame: "CREDIT", PANELBANK, Lblcredit
inline constexpr QRect kBetMeter(254, 4, 110,
                                 40);  // LABLASTBET + lbllast / LABTHISWIN + Lblcurrentwin
inline constexpr QRect kWinMeter(370, 4, 190, 40);  // frame: "WIN", LABWIN, lblwin
inline constexpr QRect kLogo(566, 2, 136, 44);
inline constexpr QRect kCoinSlot(706, 30, 48, 14);  // the slot the coins drop into
inline constexpr QRect kDollarCoin = twipsRect(10620, 30, 615, 735);  // dollar1, 41 × 49
inline constexpr QRect kHalfCoin = twipsRect(10560, 270, 735, 495);   // halfcoin1, 49 × 33
inline constexpr QRect kExit(762, 6, 32, 32);                         // cmdexit

// Inside each meter frame: the caption on top and the figures beneath, credits at the left and
// dollars at the right; the meter shares this strip between them as their lengths need.
constexpr QRect meterCaption(const QRect& frame) {
    return QRect(frame.x() + 4, frame.y() + 2, frame.width() - 8, 13);
}
constexpr QRect meterFigures(const QRect& frame) {
    return QRect(frame.x() + 6, frame.y() + 16, frame.width() - 12, 22);
}

// --- bottom: line buttons, play buttons, information plate / free-spin banners, right block ---
inline constexpr std::array<QRect, 6> kLineButtons = {{
    QRect(),
    QRect(20, 462, 50, 30),
    QRect(74, 462, 50, 30),
    QRect(128, 462, 50, 30),
    QRect(182, 462, 50, 30),
    QRect(236, 462, 50, 30),
}};
inline constexpr std::array<QRect, 7> kPlayButtons = {{
    QRect(),
    QRect(302, 462, 46, 30),
    QRect(352, 462, 46, 30),
    QRect(402, 462, 46, 30),
    QRect(452, 462, 46, 30),
    QRect(502, 462, 46, 30),
    QRect(552, 462, 46, 30),
}};
inline constexpr QRect kInfoPlate(20, 496, 578, 96);                       // panfreespin
inline constexpr QRect kFreeSpinsWon = twipsRect(1600, 7400, 7095, 855);   // ctlfrees1
inline constexpr QRect kFreeSpinsLeft = twipsRect(360, 7395, 8535, 1335);  // ctrlfreesleft1
inline constexpr QRect kSpinsLeftCount = twipsRect(9000, 7750, 750, 675);  // spinsleft
inline constexpr QRect kFreeSpinsCompleted =
    twipsRect(500, 7400, 8655, 855);  // freespinscompleted1
inline constexpr QRect kNotes(656, 462, 68, 30);
inline constexpr QRect kCoinsIn(728, 462, 64, 30);
inline constexpr QRect kAutoplayOn(656, 497, 68, 30);
inline constexpr QRect kAutoplayOff(728, 497, 64, 30);
inline constexpr QRect kGambleButton(656, 532, 68, 30);  // doublebutton
inline constexpr QRect kOptions(728, 532, 64, 30);       // btnoptions
inline constexpr QRect kTakeWin(656, 566, 136, 28);      // takewin

// --- panels over the reels ---
inline constexpr QRect kNoCreditPanel(200, 196, 400, 110);  // pannomoney
inline constexpr QRect kStoreNotice(90, 70, 628, 54);       // the records could not be kept

// The last games: a panel over the bottom of the cabinet, the figures of the game shown at its
// left and its buttons at the right, each inside the panel.
// The panel starts below the lowest line markers (5 and 24), which stay whole beside the reels.
inline constexpr QRect kLastGamesPanel(12, 460, 784, 136);
inline constexpr QRect kLastGamesTitle(10, 6, 620, 22);
inline constexpr QRect kLastGamesFigures(10, 28, 620, 102);
inline constexpr std::array<QRect, 3> kLastGamesButtons = {{
    QRect(640, 6, 136, 38),   // lastgamesprevious: the game before
    QRect(640, 49, 136, 38),  // lastgamesnext: the game after
    QRect(640, 92, 136, 38),  // lastgamesback: back to the game
}};
// Btnreturn2game stands where the information plate is, which the pay-line view puts away, so
// that it hides none of the lines the view draws over the reel window.
inline constexpr QRect kReturnToGame(219, 526, 180, 36);

// The gamble panel and its controls (control positions relative to the panel).
inline constexpr QRect kGamblePanel = twipsRect(3960, 1080, 3840, 5430);  // pandouble
namespace gamble {
inline constexpr QRect kCard = twipsRect(1080, 1080, 1560, 2355);  // piccardholder
inline constexpr std::array<QRect, 5> kSuitButtons = {{
    QRect(),
    twipsRect(240, 1080, 810, 810),
    twipsRect(2680, 1080, 810, 810),
    twipsRect(240, 2640, 810, 810),
    twipsRect(2680, 2640, 810, 810),
}};
inline constexpr QRect kRed = twipsRect(60, 3480, 1020, 450);
inline constexpr QRect kBlack = twipsRect(2680, 3480, 1020, 450);
inline constexpr QRect kCollect = twipsRect(1100, 3480, 1560, 450);
inline constexpr QRect kRiskLabel(8, 4, 240, 20);
inline constexpr QRect kColourWinLabel(8, 24, 240, 18);
inline constexpr QRect kSuitWinLabel(8, 42, 240, 18);
inline constexpr std::array<int, 6> kHistoryLeft = {0,           twips(360),  twips(960),
                                                    twips(1560), twips(2160), twips(2760)};
inline constexpr int kHistoryTop = twips(3960);
inline constexpr QSize kHistorySize(twips(495), twips(495));
inline constexpr QRect kPastHistoryLabel(8, 300, 240, 16);
inline constexpr QSize kSlideSize = QSize(twips(2250), twips(450));  // gamblewin, gamblelose
inline constexpr int kSlideLeft = twips(700);
inline constexpr int kSlideRestTop = twips(4800);
}  // namespace gamble

}  // namespace kestrel::layout
