#include "Evaluation.h"

#include "PayTable.h"
#include "Paylines.h"

namespace kestrel {

SpinResult evaluate(const SpinRecords& records, int linesPlayed, int betPerLine) {
    SpinResult result;
    result.spinWin = scatterMultiplier(records.specialCount) * betPerLine * linesPlayed;
    for (int line = 1; line <= linesPlayed && line <= kLines; ++line) {
        // Reel 1 never shows a wild and the other reels' weights cannot add up to a paying sum,
        // so only the symbol in the line's reel 1 cell can win on the line.
        const Symbol first = symbolOfPicture(records.cellPic[1][static_cast<int>(lineRow(line, 1))]);
        if (!isPaying(first)) {
            continue;
        }
        const int count = countFromLineSum(records.sumOf(first, line));
        const int multiplier = lineMultiplier(first, count);
        if (multiplier > 0) {
            result.spinWin += multiplier * betPerLine;
            result.winLine[line] = static_cast<std::int16_t>(line);
            result.winCount[line] = static_cast<std::int16_t>(count);
        }
    }
    return result;
}

}  // namespace kestrel
