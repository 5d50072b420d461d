// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "FakeView.h"
#include "GameSetup.h"
#include "GameState.h"
#include "Machine.h"
#include "Money.h"
#include "PlanRun.h"
#include "Reels.h"
#include "ScriptedStops.h"
#include "Settings.h"
#include "ShownMachine.h"

// Stops that show no Voltaro, no Power Drain symbol and no paying line.
inline constexpr std::array<int, 3> QuietStops{0, 6, 2};
// Top row 3 3 3 and middle row 5 5 5; one Voltaro (wheel 3, bottom).
inline constexpr std::array<int, 3> TwoLineStops{0, 24, 4};
// Three Voltaro symbols on the middle row (and 5 5 4 on the bottom row).
inline constexpr std::array<int, 3> JackpotStops{28, 2, 6};
// Three Voltaro symbols in view, no paying line, no Power Drain.
inline constexpr std::array<int, 3> ThreeVoltaroStops{26, 2, 4};
// A Power Drain and a Voltaro in view, no paying line.
inline constexpr std::array<int, 3> DrainStops{0, 34, 6};
// Line 1 reads 5 5 3 (2 per coin); no power symbols.
inline constexpr std::array<int, 3> TwoFivesStops{0, 12, 0};

// A machine at its start-up state on a fake window, whose stops the test
// chooses. Each command's plan is played at once on the fake window, its
// clock standing at each step's time.
class MachineTest : public ::testing::Test {
 protected:
  MachineTest() : settings(DefaultSettings("/opt/voltaro/")), view(settings) {
    Change([](GameState& game) { InstallStrips(game); });
  }

  // Sets the game up as a file could have brought it back.
  template <typename Edit>
  void Change(Edit edit) {
    ChangeGame(rules, edit);
  }
  // Plays a plan as the window would, hurried when `hurryAt` is the next
  // step, and tells the machine it has ended.
  void Run(const Plan& plan, std::optional<std::size_t> hurryAt = std::nullopt) {
    lastPlan = plan;
    const std::int64_t start = view.now;
    shown = PlayPlanAtOnce(
        plan, shown, view, view, [&](std::int64_t at) { view.AdvanceTo(start + at); }, hurryAt,
        view.Saver());
    machine.PlanEnded();
  }

  void PlaceCoins(int coins) {
    for (int i = 0; i < coins; ++i) Run(machine.Bet1());
  }
  void NextStops(const std::array<int, 3>& stops) {
    random.NextStops(stops[0], stops[1], stops[2]);
  }
  void SpinAt(const std::array<int, 3>& stops) {
    NextStops(stops);
    Run(machine.Spin());
  }
  void BetMaxAt(const std::array<int, 3>& stops) {
    NextStops(stops);
    Run(machine.BetMax());
  }
  // Position of the first log entry equal to `entry` at or after `from`.
  std::size_t Find(const std::string& entry, std::size_t from = 0) const {
    const auto it = std::find(view.log.begin() + static_cast<long>(from), view.log.end(), entry);
    return static_cast<std::size_t>(it - view.log.begin());
  }
  bool Logged(const std::string& entry) const { return Find(entry) < view.log.size(); }

  Settings settings;
  FakeView view;
  ScriptedStops random{777};
  Machine rules{settings, view, random};
  // The rules as the window drives them, their results shown on `view`.
  ShownMachine<FakeView> machine{rules, view};
  // The game in play, read only: tests change it through Change.
  const GameState& state = machine.State();
  // The game the face showed at the end of the last plan, and that plan.
  GameState shown = machine.State();
  Plan lastPlan;
};
