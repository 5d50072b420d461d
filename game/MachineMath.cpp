// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineMath.h"

#include <algorithm>
#include <cmath>

#include "GameState.h"
#include "Paylines.h"
#include "Reels.h"

namespace {

int PayRow(int a, int b, int c) {
  const int pay = PayFor(a, b, c);
  for (int row = 0; row < 7; ++row)
    if (pay > 0 && PayTable[static_cast<std::size_t>(row)] == pay) return row;
  return -1;
}

}  // namespace

StripOdds ComputeOdds(const std::string& strip1, const std::string& strip2,
                      const std::string& strip3) {
  StripOdds odds;
  GameState state;
  state.Strip1 = strip1;
  state.Strip2 = strip2;
  state.Strip3 = strip3;
  constexpr double Each = 1.0 / 8000.0;
  for (int a = 0; a < 20; ++a) {
    for (int b = 0; b < 20; ++b) {
      for (int c = 0; c < 20; ++c) {
        state.Stops = {2 * a, 2 * b, 2 * c};
        ComputeWindow(state);
        std::array<int, 5> pays{};
        for (std::size_t line = 0; line < 5; ++line) {
          const auto& rows = PaylineRows[line];
          const int s1 = state.Window[static_cast<std::size_t>(rows[0])];
          const int s2 = state.Window[static_cast<std::size_t>(3 + rows[1])];
          const int s3 = state.Window[static_cast<std::size_t>(6 + rows[2])];
          const int row = PayRow(s1, s2, s3);
          if (row >= 0) {
            odds.lines[line].combination[static_cast<std::size_t>(row)] += Each;
            pays[line] = PayTable[static_cast<std::size_t>(row)];
          }
        }
        for (int coins = 1; coins <= 25; ++coins) {
          bool hit = false;
          double won = 0;
          for (int line = 1; line <= 5; ++line) {
            const int onLine = line <= coins ? (coins - line) / 5 + 1 : 0;
            if (onLine > 0 && pays[static_cast<std::size_t>(line - 1)] > 0) hit = true;
            won += onLine * pays[static_cast<std::size_t>(line - 1)];
          }
          if (hit) odds.hitFrequency[static_cast<std::size_t>(coins)] += Each;
          odds.coinsWon[static_cast<std::size_t>(coins)] += won * Each;
        }
        int voltaro = 0;
        bool drain = false;
        for (int symbol : state.Window) {
          if (symbol == VoltaroSymbol) ++voltaro;
          if (symbol == PowerDrainSymbol) drain = true;
        }
        const std::size_t move =
            drain ? StripOdds::MoveDrain : static_cast<std::size_t>(std::min(voltaro, 3));
        if (drain)
          odds.drain += Each;
        else
          odds.voltaros[move] += Each;
        for (int coins = 1; coins <= 25; ++coins) {
          double won = 0;
          for (int line = 1; line <= 5; ++line)
            won += (line <= coins ? (coins - line) / 5 + 1 : 0) *
                   pays[static_cast<std::size_t>(line - 1)];
          odds.wonByMove[static_cast<std::size_t>(coins)][move] += won * Each;
          odds.squaresByMove[static_cast<std::size_t>(coins)][move] += won * won * Each;
        }
      }
    }
  }
  for (auto& line : odds.lines)
    for (std::size_t row = 0; row < 7; ++row)
      line.returnPerCoin += line.combination[row] * PayTable[row];
  return odds;
}

namespace {

constexpr int FullMeter = 100;

// Where one paid spin takes the meter from a reading, by move.
int MeterAfter(int reading, std::size_t move) {
  if (move == StripOdds::MoveDrain) return reading / 2;
  return std::min(FullMeter, reading + 10 * static_cast<int>(move));
}

double MoveProbability(const StripOdds& odds, std::size_t move) {
  return move == StripOdds::MoveDrain ? odds.drain : odds.voltaros[move];
}

// Solves u[x] = b[x] + sum_y P(x -> y) u[y] over the readings 0..99 (the
// bonus at 100 ends the chain) by Gaussian elimination.
std::vector<double> SolveChain(const StripOdds& base, const std::vector<double>& b) {
  constexpr int Readings = FullMeter;
  std::vector<std::vector<double>> a(Readings, std::vector<double>(Readings + 1, 0.0));
  for (int x = 0; x < Readings; ++x) {
    auto& row = a[static_cast<std::size_t>(x)];
    row[static_cast<std::size_t>(x)] += 1.0;
    row[Readings] = b[static_cast<std::size_t>(x)];
    for (std::size_t move = 0; move < 5; ++move) {
      const int to = MeterAfter(x, move);
      if (to < Readings) row[static_cast<std::size_t>(to)] -= MoveProbability(base, move);
    }
  }
  for (int col = 0; col < Readings; ++col) {
    int pivot = col;
    for (int r = col + 1; r < Readings; ++r)
      if (std::fabs(a[static_cast<std::size_t>(r)][static_cast<std::size_t>(col)]) >
          std::fabs(a[static_cast<std::size_t>(pivot)][static_cast<std::size_t>(col)]))
        pivot = r;
    std::swap(a[static_cast<std::size_t>(col)], a[static_cast<std::size_t>(pivot)]);
    auto& p = a[static_cast<std::size_t>(col)];
    for (int r = 0; r < Readings; ++r) {
      if (r == col) continue;
      auto& target = a[static_cast<std::size_t>(r)];
      const double factor =
          target[static_cast<std::size_t>(col)] / p[static_cast<std::size_t>(col)];
      if (factor == 0) continue;
      for (int c = col; c <= Readings; ++c)
        target[static_cast<std::size_t>(c)] -= factor * p[static_cast<std::size_t>(c)];
    }
  }
  std::vector<double> u(Readings, 0.0);
  for (int x = 0; x < Readings; ++x)
    u[static_cast<std::size_t>(x)] = a[static_cast<std::size_t>(x)][Readings] /
                                     a[static_cast<std::size_t>(x)][static_cast<std::size_t>(x)];
  return u;
}

}  // namespace

MeterChain SolveMeter(const StripOdds& base) {
  // E[x] = 1 + sum_y P(x -> y) E[y], E[100] = 0.
  MeterChain chain;
  chain.spinsToBonus = SolveChain(base, std::vector<double>(FullMeter, 1.0));
  chain.spinsToBonus.push_back(0.0);
  return chain;
}

double LongRunReturn(const StripOdds& base, const StripOdds& freeSpins, double spinsPerBonus,
                     int coins) {
  const auto n = static_cast<std::size_t>(coins);
  // The pool starts every round at 200 coins and gains one coin from each
  // paid spin of the maximum bet.
  const double pool = PoolSeedCoins + (coins == MaxCoins ? spinsPerBonus : 0.0);
  const double won =
      spinsPerBonus * base.coinsWon[n] + FreeSpinsPerBonus * freeSpins.coinsWon[n] + pool;
  return won / (spinsPerBonus * coins);
}

double ReturnDeviationPerSpin(const StripOdds& base, const StripOdds& freeSpins,
                              const MeterChain& meter, int coins) {
  // The game renews itself at every bonus: the meter is empty and the pool
  // seeded again. Over one round of L paid spins the player wins R coins (the
  // lines, the pool and the free spins), and by the renewal-reward theorem the
  // coins won in n paid spins, less n r (r = E[R] / E[L]), spread as
  //   n E[(R - r L)^2] / E[L].
  // D(x), what a round still adds to R - r L from meter reading x, has first
  // and second moments that follow the meter chain:
  //   m(x) = sum over outcomes of p (a + m(y)),
  //   s(x) = sum over outcomes of p (a^2 + 2 a m(y) + s(y)),
  // with a = coins won - r (+1 for the pool's coin on a 25-coin bet), and at
  // y = 100 the bonus B in place of D(y): 200 pool coins plus seven free
  // spins, independent of each other, so E[B^2] = Var(7 free) + E[B]^2.
  const auto n = static_cast<std::size_t>(coins);
  const double spinsPerBonus = meter.spinsToBonus[0];
  const double r = LongRunReturn(base, freeSpins, spinsPerBonus, coins) * coins;
  const double poolCoin = coins == MaxCoins ? 1.0 : 0.0;
  const double shift = poolCoin - r;

  double freeMean = 0;
  double freeSquares = 0;
  for (std::size_t move = 0; move < 5; ++move) {
    freeMean += freeSpins.wonByMove[n][move];
    freeSquares += freeSpins.squaresByMove[n][move];
  }
  const double bonusMean = PoolSeedCoins + FreeSpinsPerBonus * freeMean;
  const double bonusSquares =
      FreeSpinsPerBonus * (freeSquares - freeMean * freeMean) + bonusMean * bonusMean;

  // The sums over the outcomes of a move, shifted by the constant part of a.
  auto moveSums = [&](std::size_t move) {
    const double p = MoveProbability(base, move);
    const double won = base.wonByMove[n][move];
    const double squares = base.squaresByMove[n][move];
    return std::array<double, 3>{p, won + shift * p, squares + 2 * shift * won + shift * shift * p};
  };

  std::vector<double> firstTerms(FullMeter, 0.0);
  for (int x = 0; x < FullMeter; ++x)
    for (std::size_t move = 0; move < 5; ++move) {
      const auto [p, a, a2] = moveSums(move);
      firstTerms[static_cast<std::size_t>(x)] +=
          a + (MeterAfter(x, move) == FullMeter ? p * bonusMean : 0.0);
    }
  const std::vector<double> m = SolveChain(base, firstTerms);

  std::vector<double> secondTerms(FullMeter, 0.0);
  for (int x = 0; x < FullMeter; ++x)
    for (std::size_t move = 0; move < 5; ++move) {
      const auto [p, a, a2] = moveSums(move);
      const int y = MeterAfter(x, move);
      secondTerms[static_cast<std::size_t>(x)] += y == FullMeter
                                                      ? a2 + 2 * a * bonusMean + p * bonusSquares
                                                      : a2 + 2 * a * m[static_cast<std::size_t>(y)];
    }
  const std::vector<double> s = SolveChain(base, secondTerms);
  return std::sqrt(std::max(s[0], 0.0) / spinsPerBonus) / coins;
}

const MachineFigures& StandardMachineFigures() {
  static const MachineFigures figures = [] {
    MachineFigures f;
    f.base = ComputeOdds(Strip1Digits, Strip2NormalDigits, Strip3Digits);
    f.freeSpins = ComputeOdds(Strip1Digits, Strip2FreeSpinDigits, Strip3Digits);
    f.meter = SolveMeter(f.base);
    for (int coins = 1; coins <= MaxCoins; ++coins) {
      const auto n = static_cast<std::size_t>(coins);
      f.longRunReturn[n] = LongRunReturn(f.base, f.freeSpins, f.meter.spinsToBonus[0], coins);
      f.deviation[n] = ReturnDeviationPerSpin(f.base, f.freeSpins, f.meter, coins);
    }
    return f;
  }();
  return figures;
}
