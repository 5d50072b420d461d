// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSearch.h"

#include <algorithm>
#include <cmath>

#include "Paylines.h"
#include "Reels.h"

std::optional<Stops> FindStops(int coins,
                               const std::function<bool(const GameState&, int win)>& wanted) {
  // At one dollar a coin the win in dollars is the win in coins.
  GameState scratch;
  scratch.CoinValue = 1;
  InstallStrips(scratch);
  DealLineBets(scratch, coins);
  for (int a = 0; a < WheelPositions; a += 2)
    for (int b = 0; b < WheelPositions; b += 2)
      for (int c = 0; c < WheelPositions; c += 2) {
        scratch.Stops = {a, b, c};
        ComputeWindow(scratch);
        const int win = static_cast<int>(std::lround(EvaluateLines(scratch)));
        if (wanted(scratch, win)) return Stops{a, b, c};
      }
  return std::nullopt;
}

bool ShowsPowerSymbol(const GameState& state) {
  return std::any_of(state.Window.begin(), state.Window.end(), [](int symbol) {
    return symbol == VoltaroSymbol || symbol == PowerDrainSymbol;
  });
}
