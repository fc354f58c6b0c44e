#pragma once

#include <QPixmap>
#include <QString>
#include <array>
#include <vector>

namespace kestrel {

// The indexed picture lists the window shows. Indices run from 1.
enum class PictureList {
    spinlist,     // 16 × 125×375: blur frames 1–4 (reels 1, 3, 5), 7–10 (reels 2, 4);
                  // 11 plain reel background; 12–16 idle pictures of reels 1–5
    bounceone,    // 22 × 125×375: reel 1 at stop k
    bouncetwo,    // reel 2
    bouncethree,  // reel 3
    bouncefour,   // reel 4
    bouncefive,   // reel 5
    listsingles,  // 36 × 125×125: symbol g in 3(g−1)+1..+3 for the top, middle, bottom rows
    ScatterDanceFrames,  // 18 × 125×125: scatter dance frames 1–6 (top), 7–12 (middle), 13–18
                         // (bottom)
    WildGlowFrames,  // 18 × 125×125: wild glow frames, same order
    linepics,        // 50 × 45×25: markers 1–25 lit, then 1–25 dimmed
    imagelistcards,  // 24 × 103×156: aces 1–4, back 5, suit icons 6–9, reveal frames 10–24
};
inline constexpr int kPictureListCount = 11;

// Single pictures of the window.
enum class Picture {
    Background,           // 800 × 600 cabinet; each picture button's place shows its pressed look
    dollar1,              // coin sprite, 41 × 49
    halfcoin1,            // coin sprite, 49 × 33
    ctlfrees1,            // "free spins won" banner, 473 × 57
    ctrlfreesleft1,       // frame of the spins-left count, 569 × 89
    freespinscompleted1,  // "free spins completed" banner, 577 × 57
    gamblewin,            // 150 × 30
    gamblelose,           // 150 × 30
    panfreespin,          // information plate, 578 × 96
    pannomoney,           // no-credit panel, 400 × 110 (its words are drawn by the window)
    LABLASTBET,           // caption of the last-bet meter
    LABTHISWIN,           // caption of the this-win meter
    GamblePanel,          // pandouble's face, 256 × 362
    MenuPanel,            // menupic's face, 168 × 232
    PayTable,             // the pay table window's picture
    AppIcon,              // 256 × 256
};
inline constexpr int kPictureCount = static_cast<int>(Picture::AppIcon) + 1;

// Picture buttons. The pressed look is the background showing through a hidden button.
// clang-format off
enum class ButtonArt {
    Play1, Play2, Play3, Play4, Play5, Play6,  // 1, 2, 3, 5, 10, 20 credits per line
    Line1, Line2, Line3, Line4, Line5,         // 1, 5, 10, 15, 25 lines
    coinsin, notes, autoplayon, autoplayoff, doublebutton, takewin, cmdexit, btnopenmenu,
    btnoptions,
};
// clang-format on
inline constexpr int kButtonArtCount = static_cast<int>(ButtonArt::btnoptions) + 1;

// Every picture of the game. The pictures are rendered from the art sources when the program is
// built; the book decodes each one the first time it is asked for (and composes a reel column
// from its three cells), so building the book costs nothing and the first frame pays only for
// the pictures it shows. Requires a QGuiApplication; use from the GUI thread only.
class ArtBook {
public:
    ArtBook();

    // Picture index (1-based) of a list; a null pixmap for an index outside the list.
    const QPixmap& picture(PictureList list, int index) const;
    int count(PictureList list) const;
    const QPixmap& picture(Picture picture) const;
    const QPixmap& button(ButtonArt art, bool enabled = true) const;

    static QString listName(PictureList list);

    // Lets go of a decoded picture: the next ask decodes it again. For a window that shows a
    // picture of its own in its place (drawn for a larger screen), or one that showed a picture
    // only for a moment (a reel's column at a stop): the copies others hold stay
    // as they are, but a reference into the book reads as a null picture until it is asked for
    // again, so hold none across such a call.
    void forget(Picture picture) const;
    void forget(PictureList list, int index) const;
    void forgetButton(ButtonArt art, bool enabled) const;

private:
    // A picture decoded (or composed) on first use; a picture that fails to load stays null.
    struct Slot {
        template <typename Make>
        const QPixmap& get(Make make) {
            if (!loaded) {
                pixmap = make();
                loaded = true;
            }
            return pixmap;
        }
        void forget() {
            pixmap = QPixmap();
            loaded = false;
        }
        QPixmap pixmap;
        bool loaded = false;
    };
    QPixmap column(int reel, int stop) const;

    // Sized when the book is built and never resized, so references handed out stay valid
    // objects.
    mutable std::array<std::vector<Slot>, kPictureListCount> lists_;
    mutable std::vector<Slot> pictures_;
    mutable std::vector<Slot> buttons_;
    mutable std::vector<Slot> disabledButtons_;
    QPixmap null_;
};

// Whether picture `index` of a list is one no window shows: `spinlist` 5 and 6, blur frames
// that repeat frames 1 and 2 with their streaks but are never put on a reel. The book keeps
// them with the rest of its list; pictures drawn for a larger screen leave them out.
constexpr bool isSpareFrame(PictureList list, int index) {
    return list == PictureList::spinlist && (index == 5 || index == 6);
}

// `spinlist` picture 11 is the plain reel, without symbols (under the cells of a settled reel);
// the idle reel of reel 1..5 is picture 11 + reel.
inline constexpr int kPlainReel = 11;
inline constexpr int kFirstIdleReel = kPlainReel + 1;
constexpr bool isIdleReel(PictureList list, int index) {
    return list == PictureList::spinlist && index >= kFirstIdleReel;
}

// The pictures of `imagelistcards` after the four aces (1–4, by suit).
inline constexpr int kCardBack = 5;
inline constexpr int kFirstSuitIcon = 6;  // the icon of ace c is kFirstSuitIcon + c - 1
inline constexpr int kFirstRevealFrame = 10;
inline constexpr int kLastRevealFrame = 24;

// Whether picture `index` of a list is a frame of the card's reveal (`imagelistcards` 10–24).
// Drawn for a larger screen they are not kept but made from the card's back when shown.
constexpr bool isRevealFrame(PictureList list, int index) {
    return list == PictureList::imagelistcards && index >= kFirstRevealFrame;
}

// The reel column list of reel 1..5.
constexpr PictureList columnList(int reel) {
    return static_cast<PictureList>(static_cast<int>(PictureList::bounceone) + reel - 1);
}

// The reel (1..5) whose column list this is; 0 for any other list.
constexpr int reelOfColumnList(PictureList list) {
    const bool column = list >= columnList(1) && list <= columnList(5);
    return column ? static_cast<int>(list) - static_cast<int>(columnList(1)) + 1 : 0;
}

}  // namespace kestrel
