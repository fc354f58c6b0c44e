#pragma once

namespace kestrel::test {

// The cards a scripted gamble draws: the aces, in the machine's numbering.
inline constexpr int kHearts = 1, kClubs = 2, kDiamonds = 3, kSpades = 4;

}  // namespace kestrel::test
