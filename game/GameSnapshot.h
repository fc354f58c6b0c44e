#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "FreeSpins.h"
#include "Gamble.h"
#include "Geometry.h"

namespace kestrel {

enum class MachinePhase { Idle, Spinning, Gamble };

// A spin as it was decided: where the reels stop and what it was played on, enough to record
// the reels again and score them through the engine.
struct DecidedSpin {
    std::array<int, kReels> stops{};  // reel 1 first, each 1..kStops
    int lines = 0;
    int betPerLine = 0;
    bool free = false;      // a spin of the free-spin feature
    std::int32_t pays = 0;  // what the engine scored it at when it was decided
    bool operator==(const DecidedSpin&) const = default;
};

// Everything the machine holds beside the player's record that matters for money, so that a
// machine can be put back exactly where another one stood: written beside the record after
// every step of play, read back after a power cut.
struct GameSnapshot {
    MachinePhase phase = MachinePhase::Idle;
    int linesPlayed = 25;
    int betPerLine = 1;
    // The last spin decided, if any: not yet settled while the phase is Spinning; after it
    // settled, the win a gamble offered on it would stake.
    std::optional<DecidedSpin> lastSpin;
    // The free-spin feature.
    FreeSpins::State featureState = FreeSpins::State::None;
    int awarded = 0;
    int played = 0;
    std::int32_t featureWin = 0;
    // The open gamble (all zero while none is open).
    std::int32_t atRisk = 0;
    std::int32_t staked = 0;
    DrawnCards cards;
    // A feature total just taken into the credit, which a gamble would stake.
    std::int32_t heldFeatureWin = 0;
    bool gambleOffered = false;
    int coinsPending = 0;  // coins of a press still to drop

    // Something is owed to the player: a decided spin, a feature, an open gamble or coins.
    bool inProgress() const {
        return phase != MachinePhase::Idle || featureState != FreeSpins::State::None ||
               coinsPending > 0;
    }
    bool operator==(const GameSnapshot&) const = default;
};

}  // namespace kestrel
