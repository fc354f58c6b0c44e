#pragma once

#include <cstdint>
#include <string>

namespace kestrel {

// One player's persisted record: credit, statistics and settings. The field order is the order
// in which the record is read and written.
struct PlayerRecord {
    std::int16_t howmanyspins = 0;    // free-spin features won (every trigger counts)
    std::int16_t soundonoff = 0;      // -1 sounds on; any other value off
    std::int16_t machinepay = 0;      // payout setting N: 7 realistic, 4 loose
    std::int16_t winroll = 0;         // 1 win counter rolls up, 0 shows the win at once
    std::int16_t reelspeed = 0;       // 1 fast, 2 slow, 0 not chosen yet
    std::int32_t amountinvested = 0;  // credits inserted
    std::int32_t wager = 0;           // credits wagered
    std::int32_t total = 0;           // credits won
    std::int32_t bank = 0;            // the player's credit
    std::int32_t games = 0;           // paid games played
    std::string currentplayer;        // the player's name, UTF-8

    static constexpr std::int16_t kTrue = -1;
    bool soundsOn() const { return soundonoff == kTrue; }

    bool operator==(const PlayerRecord&) const = default;
};

// The part of a record the player changes in the options: sound, payout level, roll-up and
// reel speed, with the record's own values.
struct PlayerSettings {
    std::int16_t soundonoff = 0;
    std::int16_t machinepay = 0;
    std::int16_t winroll = 0;
    std::int16_t reelspeed = 0;

    bool operator==(const PlayerSettings&) const = default;
};

}  // namespace kestrel
