#include "StatisticLines.h"

#include <array>

namespace kestrel::ui {

namespace {

// The columns of captions: the dialog opening or a slot picked, each with and without games
// played, and the moment after a delete. The blanks differ between columns; they are the
// player's familiar layout and stay exactly as they are.
enum Column { OpenedNoGames, OpenedPlayed, PickedNoGames, PickedPlayed, Deleted, kColumns };
using Captions = std::array<const char*, kColumns>;

constexpr Captions kCurrentPlayer = {"Current Player    ", "Current Player    ",
                                     "Current Player    ", "Current Player   ",
                                     "Current Player   "};
constexpr Captions kGames = {"Games Played      ", "Games Played            ",
                             "Games Played          ", "Games Played            ",
                             "Games Played            "};
constexpr Captions kWager = {"Total Wagered     ", "Total Wagered           ",
                             "Total Wagered         ", "Total Wagered           ",
                             "Total Wagered           "};
constexpr Captions kTotalWon = {"Total Won      ", "Total Won                   ",
                                "Total Won          ", "Total Won                   ",
                                "Total Won                   "};
constexpr Captions kWinLose = {"Winning/Losing     ", "Winning/Losing           ",
                               "Winning/Losing      ", "Winning/Losing           ",
                               "Winning/Losing           "};
constexpr Captions kReturned = {"Returned To Player     ", "Returned To Player     % ",
                                "Returned To Player ", "Returned To Player     % ",
                                "Returned To Player     % "};
constexpr Captions kInvested = {"Total Invested      ", "Total Invested             ",
                                "Total Invested     ", "Total Invested             ",
                                "Total Invested             "};
constexpr Captions kFreeSpins = {"Freespins Won     ", "Freespins Won            ",
                                 "Freespins Won     ", "Freespins Won     ", "Freespins Won     "};

Column columnFor(StatisticsMoment moment, bool played) {
    switch (moment) {
        case StatisticsMoment::Opening:
            return played ? OpenedPlayed : OpenedNoGames;
        case StatisticsMoment::SlotPicked:
            return played ? PickedPlayed : PickedNoGames;
        case StatisticsMoment::Deleted:
            break;
    }
    return Deleted;
}

}  // namespace

std::optional<std::int64_t> returnPercent(std::int32_t total, std::int32_t wager) {
    if (wager == 0) {
        return std::nullopt;
    }
    // Both fit 32 bits, so the scaled total fits 64 with room to spare.
    const std::int64_t scaled = std::int64_t{total} * 100;
    std::int64_t quotient = scaled / wager;
    if (scaled % wager != 0 && (scaled < 0) != (wager < 0)) {
        --quotient;  // division truncates towards zero; the percentage rounds down
    }
    return quotient;
}

StatisticLines statisticLines(const PlayerRecord& player, StatisticsMoment moment) {
    const Column column = columnFor(moment, player.games != 0);
    const auto caption = [column](const Captions& captions) {
        return QString::fromLatin1(captions[column]);
    };
    StatisticLines lines;
    lines.lblcurrentplayer =
        caption(kCurrentPlayer) + QString::fromStdString(player.currentplayer).toUpper();
    if (column == OpenedNoGames || column == PickedNoGames) {
        lines.lblgames = caption(kGames);
        lines.lblwager = caption(kWager);
        lines.lbltotalwon = caption(kTotalWon);
        lines.lblwinlose = caption(kWinLose);
        lines.lblreturned = caption(kReturned);
        lines.lblinvested = caption(kInvested);
        lines.lblfreespins = caption(kFreeSpins);
        return lines;
    }
    const std::int64_t winLose = std::int64_t{player.bank} - player.amountinvested;
    const std::optional<std::int64_t> percent = returnPercent(player.total, player.wager);
    lines.lblgames = caption(kGames) + QString::number(player.games);
    lines.lblwager = caption(kWager) + QString::number(player.wager);
    lines.lbltotalwon = caption(kTotalWon) + QString::number(player.total);
    lines.lblwinlose = caption(kWinLose) + QString::number(winLose);
    // With nothing wagered there is no percentage to show, only the caption.
    lines.lblreturned = caption(kReturned);
    if (column != Deleted && percent) {
        lines.lblreturned += QString::number(*percent);
    }
    lines.lblinvested = caption(kInvested) + QString::number(player.amountinvested);
    lines.lblfreespins = caption(kFreeSpins) + QString::number(player.howmanyspins);
    return lines;
}

}  // namespace kestrel::ui
