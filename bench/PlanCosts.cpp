// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanCosts.h"

#include <chrono>

#include "GameState.h"
#include "Machine.h"
#include "Reels.h"
#include "ScriptedStops.h"
#include "Settings.h"
#include "SilentView.h"

namespace {

// Three Voltaro symbols in view and no paying line: the meter fills.
constexpr int BonusStops[] = {26, 2, 4};
constexpr int PoolCoins = 200'000;
constexpr int FiveCents = 5;  // the Bet Amount row of 5¢

}  // namespace

void MeasurePlanSize(BenchTable& table) {
  Settings settings = DefaultSettings("/opt/voltaro/");
  SilentView view;
  ScriptedStops chance;
  Machine machine(settings, view, chance);
  GameState game;
  InstallStrips(game);
  game.CoinValue = CoinValues[FiveCents];
  game.BonusPool = PoolCoins * game.CoinValue;
  game.PowerPts = 90;
  game.LastBet = game.CoinValue;
  machine.RestoreGame(game);
  chance.NextStops(BonusStops[0], BonusStops[1], BonusStops[2]);

  const auto start = std::chrono::steady_clock::now();
  const CommandResult spin = machine.Spin();
  const std::chrono::duration<double, std::milli> built = std::chrono::steady_clock::now() - start;
  if (!spin.plan.spins || machine.State().FreeSpins != FreeSpinsPerBonus) {
    table.AddNote("plan steps: the spin did not win the bonus");
    return;
  }
  table.AddBelowLimit("plan steps, 200,000-coin bonus pool",
                      static_cast<double>(spin.plan.steps.size()), 500, "steps");
  table.AddPlain("time to build that plan", built.count(), "ms");
}
