#include <gtest/gtest.h>

#include "GambleFixture.h"
#include "Sounds.h"

namespace kestrel {
namespace {

namespace sound = ui::sound;

using test::kClubs;
using test::kDiamonds;
using test::kHearts;
using test::Probe;

constexpr int kFrames = 15;

class Reveal : public test::GambleFixture {
protected:
    void SetUp() override { openOnAWin(25, 1); }
    QImage face(int card) const {
        return art().picture(PictureList::imagelistcards, card).toImage();
    }
    bool historyShown() const { return control("historypic1")->isVisible(); }

    // One guess with the card picture sampled every millisecond: each new picture and when it
    // came, whether the history had the card by the first frame, how long until the face showed.
    struct Revealed {
        std::vector<qint64> gaps;
        std::vector<QImage> pictures;
        bool historyFirst = false;
        qint64 took = 0;
    };
    Revealed reveal(const QString& button, int card) {
        Revealed r;
        QLabel* holder = control<QLabel>("piccardholder");
        qint64 key = holder->pixmap().cacheKey();
        random.push({card});
        const qint64 pressed = clock.now();
        click(button);
        // The first frame comes with the press.
        EXPECT_NE(holder->pixmap().cacheKey(), key);
        key = holder->pixmap().cacheKey();
        r.pictures.push_back(holder->pixmap().toImage());
        r.historyFirst = historyShown();
        qint64 at = pressed;
        Probe watch(clock, 1, [&] {
            if (holder->pixmap().cacheKey() == key) {
                return;
            }
            key = holder->pixmap().cacheKey();
            r.gaps.push_back(clock.now() - at);
            at = clock.now();
            r.took = at - pressed;
            r.pictures.push_back(holder->pixmap().toImage());
        });
        clock.advance(kFrames * 50 + 10);
        EXPECT_EQ(r.pictures.size(), kFrames + 1u);
        return r;
    }
};

TEST_F(Reveal, ColourFramesComeTenMillisecondsApartAndTheHistoryAfterThem) {
    const Revealed r = reveal("betred", kDiamonds);
    EXPECT_EQ(r.took, kFrames * 10);
    EXPECT_EQ(r.gaps, std::vector<qint64>(kFrames, 10));
    EXPECT_EQ(r.pictures.back(), face(kDiamonds));
    EXPECT_FALSE(r.historyFirst);
    EXPECT_TRUE(historyShown());
}

TEST_F(Reveal, SuitFramesComeFiftyMillisecondsApartAfterTheHistory) {
    const Revealed r = reveal("suitbet2", kClubs);
    EXPECT_EQ(r.took, kFrames * 50);
    EXPECT_EQ(r.gaps, std::vector<qint64>(kFrames, 50));
    EXPECT_EQ(r.pictures.back(), face(kClubs));
    EXPECT_TRUE(r.historyFirst);
}

// Each frame is the back peeling away: where frame k is see-through the face shows, where it is
// solid the back does.
TEST_F(Reveal, FramesShowTheFaceWhereTheBackHasPeeled) {
    const Revealed r = reveal("betred", kHearts);
    ASSERT_EQ(r.pictures.size(), kFrames + 1u);
    const QImage faceImage = face(kHearts).convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < kFrames; ++i) {
        const QImage frame = art()
                                 .picture(PictureList::imagelistcards, kFirstRevealFrame + i)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        const QImage shown = r.pictures[i].convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), faceImage.size());
        int wrong = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb f = frame.pixel(x, y);
                if (qAlpha(f) == 255) {
                    wrong += shown.pixel(x, y) != f;
                } else if (qAlpha(f) == 0) {
                    wrong += shown.pixel(x, y) != faceImage.pixel(x, y);
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "frame " << 10 + i;
    }
}

// Presses made while the card is revealed or the win picture comes down are not acted on: one
// card drawn (a second draw would fail the scripted source), one doubling, no collect.
TEST_F(Reveal, PressesAreIgnoredUntilTheWinPictureHasComeDown) {
    namespace L = layout::gamble;
    QLabel* win = control<QLabel>("gamblewin");
    std::vector<int> tops;  // of the win picture while the panel is busy
    bool alwaysDisabled = true;
    Probe presser(clock, 20, [&] {
        if (!panel->isBusy()) {
            return;
        }
        alwaysDisabled = alwaysDisabled && pressesDisabled();
        if (win->isVisible()) {
            tops.push_back(win->y());
        }
        for (const char* name : {"betblack", "suitbet1", "cancelbet", "betred"}) {
            click(name);
        }
    });
    random.push({kHearts});
    click("betred");
    clock.advance(kFrames * 10 + 400);
    EXPECT_TRUE(alwaysDisabled);
    EXPECT_TRUE(pressesEnabled());
    EXPECT_EQ(machine.atRisk(), 50);
    EXPECT_TRUE(collectedAmounts.empty());
    EXPECT_EQ(sounds, (std::vector<int>{sound::kClick, sound::kRedRight}));

    EXPECT_EQ(win->pos(), QPoint(L::kSlideLeft, L::kSlideRestTop));
    ASSERT_FALSE(tops.empty());
    EXPECT_LT(tops.front(), L::kSlideRestTop / 4);
    EXPECT_TRUE(std::is_sorted(tops.begin(), tops.end()));
    EXPECT_NEAR(tops.size() * 20.0, 320, 40);  // about a third of a second
}

TEST_F(Reveal, LostGuessShowsTheLosePictureAndClosesThreeSecondsLater) {
    struct Look {
        bool shown, disabled, losePictureAtRest;
    };
    std::vector<Look> looks;
    Probe watch(clock, 1000, [&] {
        looks.push_back({panel->isVisible(), pressesDisabled(),
                         control("gamblelose")->y() == layout::gamble::kSlideRestTop});
        click("cancelbet");
        click("betred");
    });
    random.push({kClubs});
    const qint64 pressed = clock.now();
    click("betred");
    clock.advance(kFrames * 10 + 3500);
    ASSERT_EQ(lostAt.size(), 1u);
    EXPECT_EQ(lostAt[0] - pressed, kFrames * 10 + 3000);
    EXPECT_FALSE(panel->isVisible());
    ASSERT_GE(looks.size(), 3u);  // the clock kept ticking through the pause
    for (const Look& look : looks) {
        EXPECT_TRUE(look.shown);
        EXPECT_TRUE(look.disabled);
        EXPECT_TRUE(look.losePictureAtRest);
    }
    EXPECT_TRUE(collectedAmounts.empty());
    EXPECT_EQ(machine.player().bank, bankBefore - 25);
    EXPECT_EQ(sounds, (std::vector<int>{sound::kClick, sound::kGuessWrong}));
}

}  // namespace
}  // namespace kestrel
