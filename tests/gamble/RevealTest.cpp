#include <gtest/gtest.h>

#include "GambleFixture.h"

namespace kestrel {
namespace {

using test::kClubs;
using test::kDiamonds;
using test::kHearts;
using test::Probe;

constexpr int kFrames = 15;

// Watches the card picture every millisecond and notes each new picture and when it came.
class CardWatch {
public:
    CardWatch(Clock& clock, QLabel* card, std::function<void()> onChange = {})
        : probe_(clock, 1, [this, &clock, card, onChange] {
              const qint64 key = card->pixmap().cacheKey();
              if (key != last_) {
                  last_ = key;
                  times.push_back(clock.now());
                  pictures.push_back(card->pixmap().toImage());
                  if (onChange) {
                      onChange();
                  }
              }
          }) {
        last_ = card->pixmap().cacheKey();
    }

    std::vector<qint64> gaps() const {
        std::vector<qint64> g;
        for (std::size_t i = 1; i < times.size(); ++i) {
            g.push_back(times[i] - times[i - 1]);
        }
        return g;
    }

    std::vector<qint64> times;
    std::vector<QImage> pictures;

private:
    qint64 last_ = 0;
    Probe probe_;
};

class Reveal : public test::GambleFixture {
protected:
    void SetUp() override { openOnAWin(25, 1); }
    QImage face(int card) const {
        return art().picture(PictureList::imagelistcards, card).toImage();
    }
    bool historyShown() const { return control("historypic1")->isVisible(); }

    struct Revealed {
        qint64 took;               // from the press until the handler returned
        std::vector<qint64> gaps;  // between one picture of the card and the next
        QImage last;
        bool historyAtFirstFrame;
    };
    // Presses the button on the first card drawn since the panel was made (a right guess).
    Revealed reveal(const QString& button, int card) {
        bool historyAtFirstFrame = false;
        CardWatch watch(clock, control<QLabel>("piccardholder"), [&] {
            if (watch.times.size() == 1) {
                historyAtFirstFrame = historyShown();
            }
        });
        random.push({card});
        const qint64 pressed = clock.now();
        click(button);
        const qint64 took = clock.now() - pressed;
        clock.advance(1);
        EXPECT_EQ(watch.times.size(), kFrames + 1u);
        return {took, watch.gaps(), watch.pictures.back(), historyAtFirstFrame};
    }
};

TEST_F(Reveal, ColourFramesComeTenMillisecondsApartAndTheHistoryAfterThem) {
    const Revealed r = reveal("betred", kDiamonds);
    EXPECT_EQ(r.took, kFrames * 10);
    EXPECT_EQ(r.gaps, std::vector<qint64>(kFrames, 10));
    EXPECT_EQ(r.last, face(kDiamonds));
    EXPECT_FALSE(r.historyAtFirstFrame);
    EXPECT_TRUE(historyShown());
}

TEST_F(Reveal, SuitFramesComeFiftyMillisecondsApartAfterTheHistory) {
    const Revealed r = reveal("suitbet2", kClubs);
    EXPECT_EQ(r.took, kFrames * 50);
    EXPECT_EQ(r.gaps, std::vector<qint64>(kFrames, 50));
    EXPECT_EQ(r.last, face(kClubs));
    EXPECT_TRUE(r.historyAtFirstFrame);
}

// Each frame is the back peeling away: where frame k is see-through the face shows, where it is
// solid the back does.
TEST_F(Reveal, FramesShowTheFaceWhereTheBackHasPeeled) {
    CardWatch watch(clock, control<QLabel>("piccardholder"));
    random.push({kHearts});
    click("betred");
    clock.advance(1);
    ASSERT_EQ(watch.pictures.size(), kFrames + 1u);
    const QImage faceImage = face(kHearts).convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < kFrames; ++i) {
        const QImage frame = art()
                                 .picture(PictureList::imagelistcards, 10 + i)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        const QImage shown = watch.pictures[i].convertToFormat(QImage::Format_ARGB32);
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

TEST_F(Reveal, PressesDuringTheRevealAndTheWinPictureAreNotActedOn) {
    bool disabledMidway = false;
    Probe presser(clock, 20, [&] {
        if (!panel->isBusy()) {
            return;
        }
        disabledMidway = pressesDisabled();
        for (const char* name : {"betblack", "suitbet1", "cancelbet", "betred"}) {
            click(name);
            control<QPushButton>(name)->click();
        }
    });
    random.push({kHearts});  // one card only: a second draw would fail the scripted source
    click("betred");
    EXPECT_TRUE(disabledMidway);
    EXPECT_TRUE(control("gamblewin")->isVisible());
    clock.advance(200);
    EXPECT_TRUE(panel->isBusy());  // the win picture is still coming down
    EXPECT_TRUE(pressesDisabled());
    clock.advance(200);
    presser.stop();
    EXPECT_FALSE(panel->isBusy());
    EXPECT_TRUE(pressesEnabled());
    EXPECT_EQ(machine.atRisk(), 50);
    EXPECT_TRUE(machine.gambleOpen());
    EXPECT_TRUE(collectedAmounts.empty());
    EXPECT_EQ(sounds(), (std::vector<int>{128, 114}));
    EXPECT_EQ(panel->gambleCount(), 1);
}

TEST_F(Reveal, WinPictureSlidesDownToItsRestingPlace) {
    std::vector<int> tops;
    QLabel* win = control<QLabel>("gamblewin");
    random.push({kHearts});
    click("betred");
    const qint64 settled = clock.now();
    Probe watch(clock, 20, [&] { tops.push_back(win->y()); });
    clock.advance(400);
    EXPECT_EQ(win->x(), layout::gamble::kSlideLeft);
    EXPECT_EQ(win->size(), layout::gamble::kSlideSize);
    ASSERT_GE(tops.size(), 3u);
    EXPECT_LT(tops.front(), layout::gamble::kSlideRestTop / 4);
    EXPECT_TRUE(std::is_sorted(tops.begin(), tops.end()));
    EXPECT_EQ(tops.back(), layout::gamble::kSlideRestTop);
    const auto firstAtRest =
        std::find(tops.begin(), tops.end(), layout::gamble::kSlideRestTop) - tops.begin();
    EXPECT_NEAR(20 * (firstAtRest + 1), 320, 20);  // about a third of a second
    EXPECT_GE(clock.now() - settled, 320);

    bool shownDuringNextReveal = true;
    Probe midReveal(clock, 50, [&] {
        if (panel->isBusy() && shownDuringNextReveal) {
            shownDuringNextReveal = win->isVisible();
        }
    });
    random.push({kDiamonds});
    click("betred");  // a new card takes the picture away
    EXPECT_FALSE(shownDuringNextReveal);
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
    EXPECT_EQ(sounds(), (std::vector<int>{128, 106}));
}

}  // namespace
}  // namespace kestrel
