#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "Evaluation.h"
#include "Windows.h"

namespace kestrel {
namespace {

using test::window;
constexpr Symbol S1 = Symbol::S1, S2 = Symbol::S2, S3 = Symbol::S3, S4 = Symbol::S4,
                 S5 = Symbol::S5, S6 = Symbol::S6, S7 = Symbol::S7, S8 = Symbol::S8,
                 S9 = Symbol::S9, S10 = Symbol::S10, SC = Symbol::SC, W = Symbol::W;

// A window in which nothing pays on any line: every reel shows different symbols from reel 1.
constexpr test::Column kReel1Plain = {S4, S5, S6};
constexpr test::Column kOther = {S7, S8, S9};

int winningLines(const SpinResult& result) {
    int n = 0;
    for (int line = 1; line <= kLines; ++line) {
        n += result.winLine[line] != 0;
    }
    return n;
}

TEST(Evaluation, WorkedExampleWildCompletesThreeAndTwoSpecialsPayTheScatter) {
    // Line 4 runs top, middle, bottom, middle, top.
    const auto records =
        window({S9, S4, S5}, {S6, W, S6}, {S7, S8, S9}, {S3, S2, S3}, {SC, S2, S3});
    const SpinResult result = evaluate(records, 25, 2);
    EXPECT_EQ(records.sumOf(S9, 4), 21);
    EXPECT_EQ(result.winLine[4], 4);
    EXPECT_EQ(result.winCount[4], 3);
    EXPECT_EQ(records.specialCount, 2);
    EXPECT_EQ(result.spinWin, 5 * 2 + 1 * 50);
}

// The 25 lines as the pay-line view shows them, the row on reels 1 to 5: Top, Middle, Bottom. Some
// slips of a line's cell leave every figure of the pay table as it was, so the shapes are kept
// here in the player's terms.
constexpr std::array<std::string_view, kLines> kLineShapes = {
    "MMMMM", "TTTTT", "BBBBB", "TMBMT", "BMTMB", "TTMTT", "BBMBB", "MTTTM", "MBBBM",
    "MMTMM", "MMBMM", "TMMMT", "BMMMB", "TMTMT", "MTMTM", "BMBMB", "MBMBM", "TBTBT",
    "BTBTB", "MTBTM", "MBTBM", "MTMBM", "MBMTM", "TTTMB", "BBBMT"};

TEST(Evaluation, EachLineWinsFiveOnItsOwnCellsAndNoOtherLineDoes) {
    for (int line = 1; line <= kLines; ++line) {
        // The girl on the line's five cells, scatters everywhere else.
        SpinRecords records;
        for (int reel = 1; reel <= kReels; ++reel) {
            test::Column column = {SC, SC, SC};
            column[std::string_view("TMB").find(kLineShapes[line - 1][reel - 1])] = S1;
            recordColumn(records, reel, column);
        }
        const SpinResult result = evaluate(records, kLines, 1);
        for (int other = 1; other <= kLines; ++other) {
            EXPECT_EQ(result.winCount[other] == 5, other == line)
                << "girls on line " << line << "'s cells, line " << other << " wins "
                << result.winCount[other];
        }
    }
}

TEST(Evaluation, TwoOfTheNineStaysTwoWhenReelsFourAndFiveMatchToo) {
    const auto records =
        window({S4, S10, S6}, {S1, S10, S2}, {S1, S2, S3}, {S1, S10, S2}, {S1, S10, S2});
    const SpinResult result = evaluate(records, 1, 3);
    EXPECT_EQ(records.sumOf(S10, 1), 45);
    EXPECT_EQ(result.winCount[1], 2);
    EXPECT_EQ(result.spinWin, 2 * 3);
}

TEST(Evaluation, OtherSymbolsDoNotPayForTwo) {
    const auto records = window({S4, S9, S6}, {S1, S9, S2}, {S1, S2, S3}, kOther, kOther);
    EXPECT_EQ(evaluate(records, 1, 1).spinWin, 0);
}

TEST(Evaluation, GapOnReelFourPaysTheRunOfThree) {
    const auto records =
        window({S4, S1, S6}, {S2, S1, S3}, {S2, S1, S3}, {S3, S2, S3}, {S2, S1, S3});
    const SpinResult result = evaluate(records, 1, 1);
    EXPECT_EQ(records.sumOf(S1, 1), 41);
    EXPECT_EQ(result.winCount[1], 3);
    EXPECT_EQ(result.spinWin, 300);
}

TEST(Evaluation, FullLinesPayTheirMultipliers) {
    const auto records =
        window({S4, S1, S6}, {S2, S1, S3}, {S2, W, S3}, {S3, S1, S3}, {S2, S1, S3});
    const SpinResult result = evaluate(records, 1, 20);
    EXPECT_EQ(result.winCount[1], 5);
    EXPECT_EQ(result.spinWin, 1500 * 20);
}

TEST(Evaluation, WildCompletesOnlyTheSymbolOnReelOne) {
    const auto two = window({S4, S2, S6}, {S1, W, S3}, {S1, S2, S3}, kOther, kOther);
    EXPECT_EQ(evaluate(two, 1, 1).spinWin, 100);
    const auto nine = window({S4, S9, S6}, {S1, W, S3}, {S1, S2, S3}, kOther, kOther);
    EXPECT_EQ(evaluate(nine, 1, 1).spinWin, 0);
}

TEST(Evaluation, TwoWildsWithoutScatterPayTheTwoSpecialPay) {
    // Reel 2 matches nothing on reel 1, so the wilds complete no run.
    const auto records = window(kReel1Plain, {S1, S2, S3}, {S7, W, S8}, {W, S7, S8}, kOther);
    const SpinResult result = evaluate(records, 25, 1);
    EXPECT_EQ(records.specialCount, 2);
    EXPECT_EQ(winningLines(result), 0);
    EXPECT_EQ(result.spinWin, 25);
}

TEST(Evaluation, ScatterOnReelOneTakesNoPartInLines) {
    const auto records = window({S4, SC, S6}, {S1, SC, S2}, {S1, SC, S3}, kOther, kOther);
    const SpinResult result = evaluate(records, 25, 1);
    EXPECT_EQ(winningLines(result), 0);
    EXPECT_EQ(result.spinWin, 5 * 25);
}

TEST(Evaluation, LinesAbovePlayedCountNeverPay) {
    // A five-symbol win on the top row (line 2) only.
    const auto records =
        window({S8, S5, S6}, {S8, S1, S2}, {S8, S2, S3}, {S8, S2, S3}, {S8, S3, S2});
    EXPECT_EQ(evaluate(records, 1, 1).spinWin, 0);
    const SpinResult five = evaluate(records, 5, 1);
    EXPECT_EQ(five.winLine[2], 2);
    EXPECT_EQ(five.spinWin, 100);
}

// The bet multiplies the pay of every winning line, not only of one: the same stops win on the
// same lines whatever the bet, and pay the bet times what they pay at one credit a line.
TEST(Evaluation, EveryWinningLinePaysTimesTheBet) {
    const auto records = test::windowAtStops(test::kTwoLineWin);
    const SpinResult atOne = evaluate(records, 25, 1);
    ASSERT_GE(winningLines(atOne), 2);
    for (const int bet : {2, 5, 20}) {
        const SpinResult result = evaluate(records, 25, bet);
        EXPECT_EQ(result.winLine, atOne.winLine) << bet;
        EXPECT_EQ(result.winCount, atOne.winCount) << bet;
        EXPECT_EQ(result.spinWin, bet * atOne.spinWin) << bet;
    }
}

}  // namespace
}  // namespace kestrel
