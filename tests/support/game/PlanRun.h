// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "GameState.h"
#include "MachineView.h"
#include "Plan.h"

// Where the player asks to hurry: when plan step `step` is next, after
// `into` of the steps met in it (the coins of a count-up) have played.
struct HurryPoint {
  HurryPoint(std::size_t stepIndex, std::size_t met = 0) : step(stepIndex), into(met) {}
  std::size_t step;
  std::size_t into;
};

// Plays a plan at once, the way the window plays it over time: each step is
// performed after `at` has been told its time from the start of the plan
// (its due time, moved on by the file sounds that held the steps before it).
// With `hurryAt`, the player asks to hurry there; `save` is handed the game
// a step asks to save. Returns the game the face showed at the end.
GameState PlayPlanAtOnce(const Plan& plan, GameState shown, FaceView& face, ControlsView& controls,
                         const std::function<void(std::int64_t)>& at = {},
                         std::optional<HurryPoint> hurryAt = std::nullopt,
                         const std::function<void(const GameState&)>& save = {});

// The steps of a plan as the player meets them, a count-up's coins one by one.
std::vector<PlanStep> StepsAsMet(const Plan& plan);
