// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paylines.h"

#include <algorithm>

#include "Money.h"

int PayFor(int first, int second, int third) {
  if (first == second && second == third && first <= 5)
    return PayTable[static_cast<std::size_t>(first)];
  if (first == 5 && second == 5 && third != 5) return PayTable[6];
  return 0;
}

std::array<double, LineCount> DealtLineBets(double amount, double coinValue) {
  int coins = money::CoinsIn(amount, coinValue);
  if (coins < 0) coins = 0;
  if (coins > MaxCoins) coins = MaxCoins;
  std::array<double, LineCount> lines{};
  for (int j = 1; j <= coins; ++j) {
    double& line = lines[static_cast<std::size_t>((j - 1) % LineCount)];
    line = money::Add(line, coinValue);
  }
  return lines;
}

void DealLineBets(GameState& state, double amount) {
  state.LineBet = DealtLineBets(amount, state.CoinValue);
}

std::uint8_t LinesWithCoins(int coins) {
  const int lines = std::clamp(coins, 0, LineCount);
  return static_cast<std::uint8_t>((1U << lines) - 1U);
}

void ClearLineResults(GameState& state) { state.LinePay.fill(0.0); }

double EvaluateLines(GameState& state) {
  double total = 0;
  for (std::size_t k = 0; k < LineCount; ++k) {
    const auto& rows = PaylineRows[k];
    const int pay = PayFor(state.Window[static_cast<std::size_t>(0 * 3 + rows[0])],
                           state.Window[static_cast<std::size_t>(1 * 3 + rows[1])],
                           state.Window[static_cast<std::size_t>(2 * 3 + rows[2])]);
    state.LinePay[k] = pay;
    total = money::Add(total, money::Times(state.LineBet[k], pay));
  }
  return total;
}
