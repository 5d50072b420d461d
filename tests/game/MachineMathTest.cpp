// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineMath.h"

#include <gtest/gtest.h>

#include <cmath>

#include "GameState.h"
#include "Reels.h"
#include "Simulation.h"

namespace {

struct Spread {
  double mean = 0;
  double deviationPerSpin = 0;  // the spread of one game's return, times sqrt(spins)
};

// Many short seeded games of the real rules at one bet, each from a new game.
Spread SimulatedSpread(int coins, long spinsPerGame, int games) {
  double sum = 0;
  double squares = 0;
  for (int game = 0; game < games; ++game) {
    const double r =
        Simulate(9000 + static_cast<std::uint64_t>(game), spinsPerGame, coins).returnPerCoin;
    sum += r;
    squares += r * r;
  }
  const double mean = sum / games;
  const double variance = (squares - games * mean * mean) / (games - 1);
  return {mean, std::sqrt(variance * static_cast<double>(spinsPerGame))};
}

// The spread of one paid spin's win alone, as if no meter, pool or free spin
// existed: what a formula that left the bonus out would give.
double BaseGameOnlyDeviation(const StripOdds& base, int coins) {
  const auto n = static_cast<std::size_t>(coins);
  double mean = 0;
  double squares = 0;
  for (std::size_t move = 0; move < 5; ++move) {
    mean += base.wonByMove[n][move];
    squares += base.squaresByMove[n][move];
  }
  return std::sqrt(squares - mean * mean) / coins;
}

}  // namespace

TEST(MachineMath, SplitByMeterMoveAddsUpToTheWholeOdds) {
  const StripOdds odds = ComputeOdds(Strip1Digits, Strip2NormalDigits, Strip3Digits);
  double p = odds.drain;
  for (double v : odds.voltaros) p += v;
  EXPECT_NEAR(p, 1.0, 1e-12);
  for (int coins = 1; coins <= MaxCoins; ++coins) {
    double won = 0;
    for (double part : odds.wonByMove[static_cast<std::size_t>(coins)]) won += part;
    EXPECT_NEAR(won, odds.coinsWon[static_cast<std::size_t>(coins)], 1e-9) << coins;
  }
}

// Short games stray from the long-run return by the computed spread. The
// tolerance is well inside the gap to the spread of the base game alone, so
// a formula that lost the bonus part cannot pass.
TEST(MachineMath, ShortGamesSpreadAsComputed) {
  const MachineFigures& figures = StandardMachineFigures();
  constexpr long Spins = 2000;
  constexpr int Games = 500;
  constexpr double Tolerance = 0.15;
  for (int coins : {1, 5}) {
    const auto n = static_cast<std::size_t>(coins);
    const double computed = figures.deviation[n];
    ASSERT_GT(std::fabs(BaseGameOnlyDeviation(figures.base, coins) / computed - 1), 1.5 * Tolerance)
        << coins;
    const Spread simulated = SimulatedSpread(coins, Spins, Games);
    EXPECT_NEAR(simulated.deviationPerSpin / computed, 1.0, Tolerance) << coins << " coins";
    // The games' mean return lies within 99% of the long-run one.
    EXPECT_NEAR(simulated.mean, figures.longRunReturn[n],
                Z99 * computed / std::sqrt(static_cast<double>(Spins) * Games))
        << coins << " coins";
  }
}
