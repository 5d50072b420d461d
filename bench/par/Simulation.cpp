// SPDX-License-Identifier: GPL-3.0-or-later
#include "Simulation.h"

#include <chrono>
#include <cmath>
#include <vector>

#include "GameState.h"
#include "Machine.h"
#include "Money.h"
#include "Reels.h"
#include "Settings.h"
#include "SilentView.h"

namespace {

struct Mean {
  double sum = 0, squares = 0;
  long count = 0;
  void Add(double x) {
    sum += x;
    squares += x * x;
    ++count;
  }
  double Value() const { return count ? sum / static_cast<double>(count) : 0; }
  double StandardError() const {
    if (count < 2) return 0;
    const double m = Value();
    const auto n = static_cast<double>(count);
    const double variance = (squares - n * m * m) / (n - 1);
    return std::sqrt(std::max(variance, 0.0) / n);
  }
};

}  // namespace

SimulationResult Simulate(std::uint64_t seed, long paidSpins, int coins) {
  Settings settings = DefaultSettings("");
  SilentView view;
  RandomSource random(seed);
  Machine machine(settings, view, random);
  machine.SetWatched(false);
  const GameState& state = machine.State();
  // An endless bankroll, betting the same coins every spin.
  const auto refill = [&machine](double bet) {
    GameState game = machine.State();
    if (game.Strip1.empty()) InstallStrips(game);
    game.Credits = 1e9;
    if (bet > 0) game.LastBet = bet;
    machine.RestoreGame(game);
  };
  const double bet = money::Times(state.CoinValue, coins);
  const double coin = state.CoinValue;
  refill(bet);

  // Spins are not independent (the meter carries over), so the error of the
  // return comes from the means of large batches.
  constexpr long Batches = 100;
  const long batchSize = std::max(1L, paidSpins / Batches);
  Mean batchReturns;
  Mean cycleLengths;
  double batchWon = 0;
  long batchSpins = 0;
  double totalWon = 0;
  long sinceBonus = 0;

  SimulationResult result;
  const auto start = std::chrono::steady_clock::now();
  for (long spin = 0; spin < paidSpins; ++spin) {
    if (state.Credits < 1e6) refill(0);
    const double before = state.Credits;
    // Nobody watches: the plan of each spin is taken as played at once.
    machine.Spin();
    machine.PlanEnded();
    ++sinceBonus;
    for (std::size_t line = 0; line < 5; ++line) {
      if (state.LineBet[line] > 0 && state.LinePay[line] > 0) {
        ++result.hits;
        break;
      }
    }
    if (state.FreeSpins > 0) {
      ++result.bonuses;
      cycleLengths.Add(static_cast<double>(sinceBonus));
      sinceBonus = 0;
      while (state.FreeSpins > 0) {
        machine.AutoSpinTick();
        machine.PlanEnded();
        ++result.freeSpins;
      }
    }
    const double wonCoins = (state.Credits - before + bet) / coin;
    totalWon += wonCoins;
    batchWon += wonCoins;
    if (++batchSpins == batchSize) {
      batchReturns.Add(batchWon / static_cast<double>(batchSize * coins));
      batchWon = 0;
      batchSpins = 0;
    }
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.paidSpins = paidSpins;
  result.returnPerCoin = totalWon / (static_cast<double>(paidSpins) * coins);
  result.returnStandardError = batchReturns.StandardError();
  result.spinsPerBonus = cycleLengths.Value();
  result.spinsPerBonusError = cycleLengths.StandardError();
  return result;
}
