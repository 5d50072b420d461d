// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
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
