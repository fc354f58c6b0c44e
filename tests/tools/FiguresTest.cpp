#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "Enumeration.h"
#include "Figures.h"
#include "ParTable.h"

namespace kestrel::par {
namespace {

// Eight equally likely outcomes at one line: six within the bet (three of them paying 1) and two
// over it, one paying 8 with nothing special, one paying 12 with three specials (a trigger).
LineTally smallMachine() {
    LineTally t;
    t.withinBet.outcomes = 6;
    t.withinBet.win = 3;
    t.withinBet.hits = 3;
    t.withinBet.bySpecials[0] = 6;
    t.overBet.outcomes = 2;
    t.overBet.win = 20;
    t.overBet.hits = 2;
    t.overBet.bySpecials[0] = 1;
    t.overBet.bySpecials[3] = 1;
    return t;
}

TEST(Figures, OutcomesOverTheBetStandOneTimeInN) {
    // Standing weights at N = 4: 1 for each outcome within the bet, 1/4 over it, 6.5 in all.
    const Figures f = figuresOf(smallMachine(), 1, 4);
    EXPECT_DOUBLE_EQ(f.rtpBase, (3 + 20 / 4.0) / 6.5);
    EXPECT_DOUBLE_EQ(f.hitFrequency, (3 + 2 / 4.0) / 6.5);
    EXPECT_DOUBLE_EQ(f.triggerProbability, 0.25 / 6.5);
    // Each free spin awards 11 with probability 0.25 / 6.5; the trigger leaves 10 to play.
    const double alpha = 11 * 0.25 / 6.5;
    EXPECT_DOUBLE_EQ(f.freeSpinBranching, alpha);
    EXPECT_DOUBLE_EQ(f.meanFreeSpins, 10 / (1 - alpha));
    EXPECT_DOUBLE_EQ(f.rtpTotal, f.rtpBase * (1 + f.triggerProbability * f.meanFreeSpins));
}

TEST(Figures, PayoutOneIsThePlainAverageOverAllOutcomes) {
    const Figures f = figuresOf(smallMachine(), 1, 1);
    EXPECT_DOUBLE_EQ(f.rtpBase, 23 / 8.0);
    EXPECT_DOUBLE_EQ(f.hitFrequency, 5 / 8.0);
    EXPECT_DOUBLE_EQ(f.triggerProbability, 1 / 8.0);
}

TEST(Figures, FeatureThatRenewsItselfOnAverageNeverEnds) {
    // Half the spins show five specials: each free spin awards 10.5 more on average.
    LineTally t;
    t.overBet.outcomes = 2;
    t.overBet.win = 40;
    t.overBet.hits = 2;
    t.overBet.bySpecials[0] = 1;
    t.overBet.bySpecials[5] = 1;
    const Figures f = figuresOf(t, 1, 1);
    EXPECT_DOUBLE_EQ(f.freeSpinBranching, 10.5);
    EXPECT_TRUE(std::isinf(f.meanFreeSpins));
    EXPECT_TRUE(std::isinf(f.rtpTotal));
}

TEST(Figures, WithoutTriggersTheTotalIsTheBase) {
    LineTally t = smallMachine();
    t.overBet.bySpecials[3] = 0;
    t.overBet.bySpecials[0] = 2;
    const Figures f = figuresOf(t, 1, 7);
    EXPECT_EQ(f.meanFreeSpins, 0.0);
    EXPECT_EQ(f.triggerProbability, 0.0);
    EXPECT_EQ(f.rtpTotal, f.rtpBase);
}

TEST(Figures, RefusesWhatNoMachineCanPlay) {
    EXPECT_THROW(figuresOf(smallMachine(), 2, 7), std::invalid_argument);
    EXPECT_THROW(figuresOf(smallMachine(), 25, 0), std::invalid_argument);
    EXPECT_THROW(figuresOf(smallMachine(), 25, kMaxPayout + 1), std::invalid_argument);
    EXPECT_THROW(figuresOf(LineTally{}, 25, 7), std::invalid_argument);
}

// What the payout control must do to the real machine, whatever its strips: redrawing big wins
// takes return, hits and triggers away, and the more so the larger N.
TEST(ParTable, TighterPayoutSettingsNeverPayMore) {
    const Tallies tallies = enumerateAll();
    for (int i = 0; i < kLineCountChoices; ++i) {
        const int lines = kLineCounts[i];
        SCOPED_TRACE(testing::Message() << lines << " lines");
        const Figures n1 = figuresOf(tallies[i], lines, 1);
        const Figures n4 = figuresOf(tallies[i], lines, 4);
        const Figures n7 = figuresOf(tallies[i], lines, 7);
        for (const auto& [looser, tighter] : {std::pair{&n1, &n4}, std::pair{&n4, &n7}}) {
            EXPECT_GT(looser->rtpBase, tighter->rtpBase);
            EXPECT_GT(looser->rtpTotal, tighter->rtpTotal);
            EXPECT_GT(looser->hitFrequency, tighter->hitFrequency);
            EXPECT_GT(looser->triggerProbability, tighter->triggerProbability);
            EXPECT_GT(looser->meanFreeSpins, tighter->meanFreeSpins);
        }
        for (const Figures* f : {&n1, &n4, &n7}) {
            EXPECT_LT(f->freeSpinBranching, 1.0);
            EXPECT_GT(f->rtpTotal, f->rtpBase);
            EXPECT_NEAR(f->rtpTotal, f->rtpBase * (1 + f->triggerProbability * f->meanFreeSpins),
                        1e-12);
            // A trigger leaves at least 10 spins to play.
            EXPECT_GT(f->meanFreeSpins, 10.0);
        }
    }
}

TEST(ParTable, WithEveryOutcomeStandingTheFeatureIgnoresTheLines) {
    // Specials count anywhere in the window, so with nothing redrawn the line count cannot move
    // the trigger chance or the feature's length; under N > 1 it can.
    const std::vector<ParRow> rows = parTable(enumerateAll());
    ASSERT_EQ(rows.size(), 15u);
    const ParRow* first = nullptr;
    for (const ParRow& row : rows) {
        if (row.payout != 1) {
            continue;
        }
        if (first == nullptr) {
            first = &row;
        }
        EXPECT_EQ(row.figures.triggerProbability, first->figures.triggerProbability);
        EXPECT_EQ(row.figures.meanFreeSpins, first->figures.meanFreeSpins);
    }
    EXPECT_NE(rows.front().figures.triggerProbability, rows[12].figures.triggerProbability);
}

}  // namespace
}  // namespace kestrel::par
