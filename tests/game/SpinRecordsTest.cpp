#include <gtest/gtest.h>

#include "Geometry.h"
#include "Paylines.h"
#include "ReelStrips.h"
#include "SpinRecords.h"
#include "Windows.h"

namespace kestrel {
namespace {

TEST(CellNumbering, RunsDownOddReelsAndUpEvenReels) {
    const int expected[kRows][kReels] = {{1, 6, 7, 12, 13}, {2, 5, 8, 11, 14}, {3, 4, 9, 10, 15}};
    for (int row = 0; row < kRows; ++row) {
        for (int reel = 1; reel <= kReels; ++reel) {
            const int cell = cellNumber(reel, static_cast<Row>(row));
            EXPECT_EQ(cell, expected[row][reel - 1]);
            EXPECT_EQ(cellReel(cell), reel);
            EXPECT_EQ(static_cast<int>(cellRow(cell)), row);
        }
    }
}

TEST(ReelRecords, ReelOneStopOneRecordsScatterAndLineSums) {
    SpinRecords records;
    recordReel(records, 1, 1);  // SC, S9, S7
    EXPECT_EQ(records.scatterCell[1], 1);
    EXPECT_EQ(records.specialCount, 1);
    EXPECT_EQ(records.reelStop[1], 1);
    EXPECT_EQ(records.cellPic[1][0], 31);
    EXPECT_EQ(records.cellPic[1][1], 26);
    EXPECT_EQ(records.cellPic[1][2], 21);
    for (int line : {1, 8, 9, 10, 11, 15, 17, 20, 21, 22, 23}) {
        EXPECT_EQ(records.sumOf(Symbol::S9, line), 8) << "line " << line;
    }
    for (int line : {3, 5, 7, 13, 16, 19, 25}) {
        EXPECT_EQ(records.sumOf(Symbol::S7, line), 8) << "line " << line;
    }
    int nonZero = 0;
    for (const auto& sums : records.lineSum) {
        for (int line = 0; line <= kLines; ++line) {
            nonZero += sums[line] != 0;
        }
    }
    EXPECT_EQ(nonZero, 18);  // the scatter's seven lines get nothing
}

TEST(ReelRecords, StripEndsShowWhatTheStripsHold) {
    EXPECT_EQ(stopSymbol(1, 22, Row::Top), Symbol::S1);
    EXPECT_EQ(stopSymbol(1, 22, Row::Middle), Symbol::SC);
    EXPECT_EQ(stopSymbol(1, 22, Row::Bottom), Symbol::S10);
    SpinRecords records;
    recordReel(records, 1, 21);  // S7, S1, SC
    EXPECT_EQ(records.scatterCell[1], 3);
}

TEST(ReelRecords, SameSymbolTwiceOnAReelFeedsBothCellsLines) {
    SpinRecords records;
    recordReel(records, 1, 19);                  // S7, S4, S7
    EXPECT_EQ(records.sumOf(Symbol::S7, 2), 8);  // top
    EXPECT_EQ(records.sumOf(Symbol::S7, 3), 8);  // bottom
    EXPECT_EQ(records.sumOf(Symbol::S7, 1), 0);  // middle shows S4
}

TEST(ReelRecords, WildAddsItsWeightToEveryArrayOnItsLines) {
    SpinRecords records;
    recordReel(records, 2, 1);  // S10, W, S7
    EXPECT_EQ(records.wildCell[2], 5);
    EXPECT_EQ(records.specialCount, 1);
    const auto& through = kLinesThrough[1][static_cast<int>(Row::Middle)];
    ASSERT_EQ(through.count, 9);
    for (int i = 0; i < through.count; ++i) {
        for (const auto& sums : records.lineSum) {
            EXPECT_EQ(sums[through.lines[i]], 7);
        }
    }
}

TEST(ReelRecords, WildAndScatterCellsFollowTheSerpentine) {
    SpinRecords records;
    recordReel(records, 4, 9);  // S3, S8, W
    EXPECT_EQ(records.wildCell[4], 10);
    recordReel(records, 4, 11);  // W, S9, S10
    EXPECT_EQ(records.wildCell[4], 12);
    const int scatterCells[] = {15, 14, 13};
    for (int stop = 7; stop <= 9; ++stop) {
        SpinRecords reel5;
        recordReel(reel5, 5, stop);
        EXPECT_EQ(reel5.scatterCell[5], scatterCells[stop - 7]);
        EXPECT_EQ(reel5.wildCell[5], 0);
    }
}

TEST(ReelRecords, NoStopShowsTwoSpecials) {
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int stop = 1; stop <= kStops; ++stop) {
            SpinRecords records;
            recordReel(records, reel, stop);
            EXPECT_LE(records.specialCount, 1) << "reel " << reel << " stop " << stop;
            if (reel == 1 || reel == 5) {
                EXPECT_EQ(records.wildCell[reel], 0);
            }
        }
    }
}

}  // namespace
}  // namespace kestrel
