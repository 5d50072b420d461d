// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "GameState.h"
#include "PlayRecord.h"
#include "Random.h"

// How a paid spin moves the power meter.
enum class MeterMove { None, Rising, Falling };

// A spin decided before it is shown: where the wheels stop and the game as
// it stands once everything has been counted. The animation shows it; the
// settings file gets the settled game before the wheels turn.
struct SpinOutcome {
  // The even position each wheel locks on at its lock step, before it rolls
  // down into place.
  std::array<int, 3> locks{};
  double win = 0;  // paid on the lines
  MeterMove meterMove = MeterMove::None;
  std::int32_t meterAfterMove = 0;  // before a bonus empties it
  bool bonus = false;               // the meter filled: the pool paid, free spins begin
  double poolPaid = 0;              // what of the pool went into the credits
  double notCredited = 0;           // won, but beyond the money limit of the credits
  bool roundEnds = false;           // the last free spin: the pool seeded, the normal strip back
  PlayRecord play;
  GameState settled;  // the game at rest after the spin, its play recorded
};

// The three locks of a spin, drawn in wheel order: the draws the animation
// used to make at each wheel's lock step, so a seeded game plays as before.
std::array<int, 3> DrawLocks(RandomSource& random);

// Where a wheel that locked on `lock` comes to rest.
int RestingStop(int wheel, int lock);

// The pool a new round starts with at this coin value.
double SeededPool(double coinValue);

// Why a spin may not be played.
enum class SpinRefusal { None, NoBet, ShortOfCredits };
SpinRefusal CheckStake(const GameState& game);
// The game with the bet of a spin taken (CheckStake allowing it): a free spin
// plays the last bet again on the same lines at no cost, coins placed are the
// wager, else the last bet leaves the credits; a 25-coin wager gives its share
// to the pool; the spin is counted.
GameState StakeSpin(const GameState& game);

// Settles a spin whose bet has been taken (StakeSpin). `playedAt` is the time of play for its
// record (seconds since 1970-01-01 UTC).
SpinOutcome DecideSpin(const GameState& staked, const std::array<int, 3>& locks,
                       std::int64_t playedAt);
