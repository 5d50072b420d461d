// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineMath.h"

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
        if (drain)
          odds.drain += Each;
        else
          odds.voltaros[static_cast<std::size_t>(std::min(voltaro, 3))] += Each;
      }
    }
  }
  for (auto& line : odds.lines)
    for (std::size_t row = 0; row < 7; ++row)
      line.returnPerCoin += line.combination[row] * PayTable[row];
  return odds;
}

MeterChain SolveMeter(const StripOdds& base) {
  // E[x] = 1 + sum_y P(x -> y) E[y], E[100] = 0; solved by Gaussian
  // elimination on the 100 transient readings.
  constexpr int Readings = 100;
  std::vector<std::vector<double>> a(Readings, std::vector<double>(Readings + 1, 0.0));
  for (int x = 0; x < Readings; ++x) {
    auto& row = a[static_cast<std::size_t>(x)];
    row[static_cast<std::size_t>(x)] += 1.0;
    row[Readings] = 1.0;
    auto move = [&](int to, double p) {
      if (to < Readings) row[static_cast<std::size_t>(to)] -= p;
    };
    move(x / 2, base.drain);
    move(x, base.voltaros[0]);
    for (int v = 1; v <= 3; ++v)
      move(std::min(100, x + 10 * v), base.voltaros[static_cast<std::size_t>(v)]);
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
  MeterChain chain;
  chain.spinsToBonus.resize(Readings + 1, 0.0);
  for (int x = 0; x < Readings; ++x)
    chain.spinsToBonus[static_cast<std::size_t>(x)] =
        a[static_cast<std::size_t>(x)][Readings] /
        a[static_cast<std::size_t>(x)][static_cast<std::size_t>(x)];
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
