#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "GambleFixture.h"

namespace kestrel {
namespace {

namespace L = layout::gamble;

// The strip after the first four cards, hearts to spades: each card's icon as shown there, so
// later checks can tell which card a picture holds.
class CardHistory : public test::GambleFixture {
protected:
    void SetUp() override {
        openOnAWin(25, 1);
        for (int card = 1; card <= 4; ++card) {
            draw(card);
        }
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ(picture(n)->pos(), QPoint(L::kHistoryLeft[n], L::kHistoryTop));
            EXPECT_EQ(picture(n)->size(), L::kHistorySize);
            iconOf[n] = picture(n)->pixmap().toImage();
        }
        ASSERT_FALSE(picture(5)->isVisible());
        for (int a = 1; a <= 4; ++a) {
            for (int b = a + 1; b <= 4; ++b) {
                ASSERT_NE(iconOf[a], iconOf[b]) << "cards " << a << " and " << b;
            }
        }
    }

    QLabel* picture(int i) const { return control<QLabel>(QStringLiteral("historypic%1").arg(i)); }

    // A right colour guess on this card.
    void draw(int card) {
        guess(colourOf(card), card);
        drawn.push_back(card);
    }

    // The strip as the player sees it, left to right: the card each visible picture shows.
    std::vector<int> strip() const {
        std::map<int, int> byLeft;
        for (int i = 1; i <= 5; ++i) {
            QLabel* p = picture(i);
            if (!p->isVisible()) {
                continue;
            }
            EXPECT_EQ(p->y(), L::kHistoryTop);
            EXPECT_FALSE(byLeft.contains(p->x())) << "two pictures at " << p->x();
            int card = 0;
            for (int c = 1; c <= 4; ++c) {
                if (p->pixmap().toImage() == iconOf[c]) {
                    card = c;
                }
            }
            byLeft[p->x()] = card;
        }
        std::vector<int> cards;
        int place = 1;
        for (const auto& [left, card] : byLeft) {
            EXPECT_EQ(left, L::kHistoryLeft[place++]);
            cards.push_back(card);
        }
        return cards;
    }

    std::vector<int> lastFive() const {
        const std::size_t from = drawn.size() > 5 ? drawn.size() - 5 : 0;
        return {drawn.begin() + static_cast<std::ptrdiff_t>(from), drawn.end()};
    }

    std::array<QImage, 5> iconOf{};
    std::vector<int> drawn;
};

TEST_F(CardHistory, SixthCardEntersAtTheRightAndTheEleventhTurnsTheRingAgain) {
    draw(test::kHearts);
    EXPECT_EQ(panel->gambleCount(), 5);
    EXPECT_EQ(strip(), lastFive());

    draw(test::kClubs);  // the sixth
    EXPECT_EQ(panel->gambleCount(), 6);
    EXPECT_EQ(picture(1)->x(), L::kHistoryLeft[5]);
    EXPECT_EQ(picture(1)->pixmap().toImage(), iconOf[test::kClubs]);
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(picture(i)->x(), L::kHistoryLeft[i - 1]);
    }
    EXPECT_EQ(strip(), (std::vector<int>{2, 3, 4, 1, 2}));

    for (const int card : {3, 4, 1, 2}) {
        draw(card);
        EXPECT_EQ(strip(), lastFive());
    }
    EXPECT_EQ(panel->gambleCount(), 10);
    EXPECT_EQ(picture(5)->x(), L::kHistoryLeft[5]);

    draw(test::kDiamonds);  // the eleventh: counted as the sixth again
    EXPECT_EQ(panel->gambleCount(), 6);
    EXPECT_EQ(picture(1)->x(), L::kHistoryLeft[5]);
    EXPECT_EQ(picture(1)->pixmap().toImage(), iconOf[test::kDiamonds]);
    EXPECT_EQ(strip(), lastFive());
}

TEST_F(CardHistory, StripCarriesOnIntoTheNextGamble) {
    guess("betred", test::kSpades);  // lost: the fifth card
    drawn.push_back(test::kSpades);
    ASSERT_FALSE(panel->isVisible());
    openOnAWin(25, 1);
    EXPECT_EQ(panel->gambleCount(), 5);
    EXPECT_EQ(strip(), lastFive());
    guess("suitbet2", test::kClubs);
    drawn.push_back(test::kClubs);
    EXPECT_EQ(panel->gambleCount(), 6);
    EXPECT_EQ(strip(), lastFive());
}

}  // namespace
}  // namespace kestrel
