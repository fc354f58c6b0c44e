#pragma once

#include <array>

// The recordings by the event that plays them (resource numbers RESOURCE_ID_<n>).
namespace kestrel::ui::sound {

inline constexpr int kSpin = 101;
inline constexpr int kCoin = 102;
inline constexpr int kRefused = 103;
inline constexpr int kReelStop = 104;
inline constexpr int kOpening = 105;
inline constexpr int kFreeSpinsWon = 121;
inline constexpr int kFeatureComplete = 125;
inline constexpr int kFreeSpinTune = 127;
inline constexpr int kWinTaken = 119;
inline constexpr int kClick = 128;

// The gamble.
inline constexpr int kRedRight = 114;
inline constexpr int kBlackRight = 105;
inline constexpr std::array<int, 5> kSuitRight = {0, 113, 117, 120, 115};  // by card 1..4
inline constexpr int kGuessWrong = 106;
inline constexpr int kCollect = 115;

}  // namespace kestrel::ui::sound
