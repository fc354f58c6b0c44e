#pragma once

// Every duration of the machine's presentation, in milliseconds unless the name says ticks.
namespace kestrel::ui::duration {

// The reels: a blur frame every tick; each stopped column becomes its cells one settle tick later.
inline constexpr int kReelTick = 50;     // tmrspin
inline constexpr int kReelSettle = 200;  // tmrtry

// Pacing between games, counted in idle ticks.
inline constexpr int kIdleTick = 100;        // tmrtick
inline constexpr int kAutospinPoll = 400;    // tmrautospin: looks whether autoplay's wait is over
inline constexpr int kRespinPoll = 200;      // Timerrespin: looks whether the next free spin is due
inline constexpr int kRespinIdleTicks = 50;  // a free spin comes about five seconds after the last

// A pressed picture button looks pressed until the mouse comes up, at most this long.
inline constexpr int kPressedLook = 500;  // tmrshowbuttons

// Settling.
inline constexpr int kLosingSpinPause = 100;
inline constexpr int kBannerSlideSteps = 16;  // the "free spins won" banner slides in
inline constexpr int kBannerSlideStep = 20;
inline constexpr int kBannerSlide = kBannerSlideSteps * kBannerSlideStep;
inline constexpr int kTriggerPause = 1500;  // the announcement stays before the tune starts

// Win presentations.
inline constexpr int kScatterFrame = 100;     // Timerscatters
inline constexpr int kWildFrame = 100;        // timerwild
inline constexpr int kBannerBlinkTick = 100;  // tmrfrees
inline constexpr int kBannerBlinkTicks = 20;
inline constexpr int kLineFlashTick = 200;  // tmrlineflash: a winning line shows for five ticks
inline constexpr int kWinCountTick = 50;    // Timerwincounter
inline constexpr int kCoinTick = 100;       // tmrcoins

// The gamble.
inline constexpr int kColourRevealFrame = 10;  // the card back peels away, 15 frames
inline constexpr int kSuitRevealFrame = 50;
inline constexpr int kGambleSlideSteps = 16;  // the win or lose picture slides down
inline constexpr int kGambleSlideStep = 20;
inline constexpr int kGambleLostPause = 3000;

}  // namespace kestrel::ui::duration
