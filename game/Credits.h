#pragma once

#include <cstdint>

namespace kestrel {

// Money the player puts in: the note adds $50 at once; a press of the coin button drops fourteen
// 25-cent coins, one after another, each credited as it falls.
inline constexpr std::int32_t kNoteCredits = 5000;
inline constexpr std::int32_t kCoinCredits = 25;
inline constexpr int kCoinsPerPress = 14;
inline constexpr std::int32_t kCoinPressCredits = kCoinsPerPress * kCoinCredits;

}  // namespace kestrel
