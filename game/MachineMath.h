// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Exact figures of the machine, from every one of the 20 x 20 x 20 stop
// combinations of its strips.
struct LineOdds {
  std::array<double, 7> combination{};  // probability of each pay row on one line
  double returnPerCoin = 0;             // expected pay per coin bet on the line
};

struct StripOdds {
  std::array<LineOdds, 5> lines;
  std::array<double, 26> hitFrequency{};  // by coins bet, 1..25
  std::array<double, 26> coinsWon{};      // expected coins won per spin, by coins bet
  // Power meter moves: P(no drain and v Voltaros in view), v = 0..3, and
  // P(at least one drain in view).
  std::array<double, 4> voltaros{};
  double drain = 0;
  // By coins bet and by meter move (0 to 3 Voltaros, MoveDrain for a drain):
  // the sum over the stop combinations of that move of probability x coins
  // won, and of probability x coins won squared.
  static constexpr std::size_t MoveDrain = 4;
  std::array<std::array<double, 5>, 26> wonByMove{};
  std::array<std::array<double, 5>, 26> squaresByMove{};
};

StripOdds ComputeOdds(const std::string& strip1, const std::string& strip2,
                      const std::string& strip3);

// The power meter as a Markov chain over 0..100 percent, paid spin by paid
// spin, from empty until the bonus.
struct MeterChain {
  std::vector<double> spinsToBonus;  // expected paid spins from each reading
};

MeterChain SolveMeter(const StripOdds& base);

// Long-run return of playing the same number of coins every spin: base game,
// the pool at each bonus and the seven free spins, per coin bet.
double LongRunReturn(const StripOdds& base, const StripOdds& freeSpins, double spinsPerBonus,
                     int coins);

// How far the return of n paid spins at this bet strays from the long-run
// return: sigma / sqrt(n) is its standard deviation for large n, sigma per coin
// bet. Exact for the chain of meter readings, pool and free spins (see the
// .cpp); the only approximation is the normal one for large n.
double ReturnDeviationPerSpin(const StripOdds& base, const StripOdds& freeSpins,
                              const MeterChain& meter, int coins);

// The figures of the machine as it is built: its own strips.
struct MachineFigures {
  StripOdds base;
  StripOdds freeSpins;
  MeterChain meter;
  std::array<double, 26> longRunReturn{};  // by coins bet, 1..25
  std::array<double, 26> deviation{};      // ReturnDeviationPerSpin, by coins bet
};

// Computed once, on first use (a few milliseconds).
const MachineFigures& StandardMachineFigures();

// Two-sided 99% of a normal spread.
inline constexpr double Z99 = 2.576;
