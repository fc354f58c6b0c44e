#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "PlayerRecord.h"

namespace kestrel::ui {

// When the statistics are shown; each moment has its own blanks inside the captions.
enum class StatisticsMoment { Opening, SlotPicked, Deleted };

// The eight statistic lines of the options dialog, in their labels' order.
struct StatisticLines {
    QString lblcurrentplayer;
    QString lblgames;
    QString lblwager;
    QString lbltotalwon;
    QString lblwinlose;
    QString lblreturned;
    QString lblinvested;
    QString lblfreespins;
};

// The share of the wagered credits won back, as a percentage rounded down; nothing when
// nothing was wagered.
std::optional<std::int64_t> returnPercent(std::int32_t total, std::int32_t wager);

StatisticLines statisticLines(const PlayerRecord& player, StatisticsMoment moment);

}  // namespace kestrel::ui
