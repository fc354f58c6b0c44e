#include <gtest/gtest.h>

#include <limits>

#include "ExamplePlayer.h"
#include "QStringPrinter.h"
#include "StatisticLines.h"

namespace kestrel::ui {
namespace {

TEST(StatisticLines, AFreshSlotShowsBareCaptionsWhicheverWayItIsReached) {
    PlayerRecord fresh;
    fresh.bank = 700;  // credit alone is no game played
    const StatisticLines opened = statisticLines(fresh, StatisticsMoment::Opening);
    EXPECT_EQ(opened.lblcurrentplayer, "Current Player    ");
    EXPECT_EQ(opened.lblgames, "Games Played      ");
    EXPECT_EQ(opened.lblwager, "Total Wagered     ");
    EXPECT_EQ(opened.lbltotalwon, "Total Won      ");
    EXPECT_EQ(opened.lblwinlose, "Winning/Losing     ");
    EXPECT_EQ(opened.lblreturned, "Returned To Player     ");
    EXPECT_EQ(opened.lblinvested, "Total Invested      ");
    EXPECT_EQ(opened.lblfreespins, "Freespins Won     ");

    const StatisticLines picked = statisticLines(fresh, StatisticsMoment::SlotPicked);
    EXPECT_EQ(picked.lblgames, "Games Played          ");
    EXPECT_EQ(picked.lblreturned, "Returned To Player ");
    EXPECT_EQ(picked.lblinvested, "Total Invested     ");
}

TEST(StatisticLines, PickedAndDeletedColumnsKeepTheirOwnBlanks) {
    const StatisticLines picked =
        statisticLines(test::tenGamesOfBob(), StatisticsMoment::SlotPicked);
    EXPECT_EQ(picked.lblcurrentplayer, "Current Player   BOB");
    EXPECT_EQ(picked.lblgames, "Games Played            10");
    EXPECT_EQ(picked.lblreturned, "Returned To Player     % 79");
    EXPECT_EQ(picked.lblfreespins, "Freespins Won     1");

    PlayerRecord cleared;
    cleared.currentplayer = "bob";
    cleared.games = 0;
    const StatisticLines deleted = statisticLines(cleared, StatisticsMoment::Deleted);
    EXPECT_EQ(deleted.lblcurrentplayer, "Current Player   BOB");
    EXPECT_EQ(deleted.lblgames, "Games Played            0");
    EXPECT_EQ(deleted.lblwinlose, "Winning/Losing           0");
    EXPECT_EQ(deleted.lblreturned, "Returned To Player     % ");
    EXPECT_EQ(deleted.lblfreespins, "Freespins Won     0");
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
