#include "Evaluation.h"

#include <algorithm>

#include "PayTable.h"
#include "Paylines.h"

namespace kestrel {

namespace {

// The largest line sum: every reel's weight once.
constexpr int kMaxLineSum = [] {
    int sum = 0;
    for (int reel = 1; reel <= kReels; ++reel) {
        sum += kReelWeight[reel];
    }
    return sum;
}();

struct LinePay {
    std::int16_t multiplier = 0;
    std::int16_t count = 0;  // 0 when the line does not win
};

// The pay of a line by the group of its reel-1 symbol (0 for anything that is not a paying
// symbol) and that symbol's line sum, so that scoring a line is one look-up and no branches.
constexpr auto kPayOfSum = [] {
    std::array<std::array<LinePay, kMaxLineSum + 1>, kPayingSymbolCount + 1> table{};
    for (int g = 1; g <= kPayingSymbolCount; ++g) {
        for (int sum = 0; sum <= kMaxLineSum; ++sum) {
            const int count = countFromLineSum(sum);
            const int multiplier = lineMultiplier(symbolOfGroup(g), count);
            if (multiplier > 0) {
                table[g][sum] = {static_cast<std::int16_t>(multiplier),
                                 static_cast<std::int16_t>(count)};
            }
        }
    }
    return table;
}();

}  // namespace

SpinResult evaluate(const SpinRecords& records, int linesPlayed, int betPerLine) {
    SpinResult result;
    result.spinWin = scatterMultiplier(records.specialCount) * betPerLine * linesPlayed;
    // Reel 1 never shows a wild and the other reels' weights cannot add up to a paying sum,
    // so only the symbol in the line's reel 1 cell can win on the line.
    std::array<int, kRows> firstGroup{};
    for (int row = 0; row < kRows; ++row) {
        const Symbol first = symbolOfPicture(records.cellPic[1][row]);
        firstGroup[row] = isPaying(first) ? group(first) : 0;
    }
    std::int32_t multipliers = 0;
    const int lines = std::min(linesPlayed, kLines);
    for (int line = 1; line <= lines; ++line) {
        const int g = firstGroup[static_cast<int>(lineRow(line, 1))];
        const int sum = records.lineSum[g > 0 ? g - 1 : 0][line];
        const LinePay pay = sum >= 0 && sum <= kMaxLineSum ? kPayOfSum[g][sum] : LinePay{};
        multipliers += pay.multiplier;
        result.winLine[line] = static_cast<std::int16_t>(pay.count > 0 ? line : 0);
        result.winCount[line] = pay.count;
    }
    result.spinWin += multipliers * betPerLine;
    return result;
}

}  // namespace kestrel
