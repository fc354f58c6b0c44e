#include <gtest/gtest.h>

#include <QRegularExpression>
#include <limits>

#include "ExamplePlayer.h"
#include "QStringPrinter.h"
#include "StatisticLines.h"

namespace kestrel::ui {
namespace {

// Credit alone is no game played: a slot with credit but no games shows its captions bare, with
// no figure in any line, whether the dialog opens on it or it is picked in the dialog. (Only a
// record just cleared by a delete shows its zeros.)
TEST(StatisticLines, CreditWithoutGamesShowsNoFigures) {
    PlayerRecord fresh;
    fresh.currentplayer = "ann";
    fresh.bank = 700;
    fresh.amountinvested = 700;
    for (const StatisticsMoment moment :
         {StatisticsMoment::Opening, StatisticsMoment::SlotPicked}) {
        const StatisticLines lines = statisticLines(fresh, moment);
        for (const QString& line :
             {lines.lblcurrentplayer, lines.lblgames, lines.lblwager, lines.lbltotalwon,
              lines.lblwinlose, lines.lblreturned, lines.lblinvested, lines.lblfreespins}) {
            EXPECT_FALSE(line.contains(QRegularExpression("[0-9]")))
                << line.toStdString() << " when " << static_cast<int>(moment);
        }
    }
}

TEST(StatisticLines, NamesShowInCapitalsBeyondAscii) {
    PlayerRecord p = test::tenGamesOfBob();
    p.currentplayer = "Zoë 𐐨";  // the last letter lies outside the Basic Multilingual Plane
    EXPECT_EQ(statisticLines(p, StatisticsMoment::Opening).lblcurrentplayer,
              QStringLiteral("Current Player    ZOË 𐐀"));
}

TEST(StatisticLines, ReturnIsTheWonShareOfTheWagerRoundedDown) {
    EXPECT_EQ(returnPercent(1980, 2500), 79);  // 79.2
    EXPECT_EQ(returnPercent(2199, 2500), 87);  // 87.96
    EXPECT_EQ(returnPercent(2500, 2500), 100);
    EXPECT_EQ(returnPercent(0, 40), 0);
    EXPECT_EQ(returnPercent(-1, 3), -34);  // a hand-edited record: down, not towards zero
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(returnPercent(kMax, 1), std::int64_t{kMax} * 100);
    EXPECT_EQ(returnPercent(1, kMax), 0);
}

TEST(StatisticLines, NothingWageredGivesNoPercentageAndNoStaleOne) {
    EXPECT_EQ(returnPercent(500, 0), std::nullopt);
    PlayerRecord p = test::tenGamesOfBob();
    p.wager = 0;
    EXPECT_EQ(statisticLines(p, StatisticsMoment::Opening).lblreturned,
              "Returned To Player     % ");
}

TEST(StatisticLines, WinningOrLosingOfExtremeRecordsDoesNotOverflow) {
    PlayerRecord p = test::tenGamesOfBob();
    p.bank = std::numeric_limits<std::int32_t>::max();
    p.amountinvested = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(statisticLines(p, StatisticsMoment::Opening).lblwinlose,
              "Winning/Losing           4294967295");
}

}  // namespace
}  // namespace kestrel::ui
