// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every duration of the game, in milliseconds.
namespace timings {

// One animation step of a spin, by speed (0 Fast, 1 Medium, 2 Slow).
inline constexpr int SpinDelayFast = 10;
inline constexpr int SpinDelayMedium = 35;
inline constexpr int SpinDelaySlow = 55;
int SpinDelayForSpeed(int speed);  // 0 for a speed that is none of the three

inline constexpr int BetMaxCoinPause = 100;

inline constexpr int AutoSpinInterval = 1000;  // Timer1
inline constexpr int MusicStartDelay = 200;    // Timer2, once
inline constexpr int BlinkInterval = 400;      // Timer3

// Pause after each coin of a win counted into the credits, by the number of
// coins still to count: fast for big wins, slow for the last few coins.
int WinCountPause(double coinsLeft);
// The same for the bonus pool paid into the credits.
int BonusCountPause(double coinsLeft);
// With this many coins or more still to count, both pauses stay the same.
inline constexpr int CountPausesSteadyFrom = 500;

}  // namespace timings
