// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Figures of a seeded run of the real rules, betting the same number of
// coins on every paid spin and playing every free spin won.
struct SimulationResult {
  long paidSpins = 0;
  long freeSpins = 0;
  long hits = 0;  // paid spins with a paying line that carries coins
  long bonuses = 0;
  double returnPerCoin = 0;        // all credits won (wins, pool, free spins) per coin bet
  double returnStandardError = 0;  // from batch means
  double spinsPerBonus = 0;
  double spinsPerBonusError = 0;
  double seconds = 0;
};

SimulationResult Simulate(std::uint64_t seed, long paidSpins, int coins);
