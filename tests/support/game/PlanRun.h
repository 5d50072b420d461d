// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "GameState.h"
#include "MachineView.h"
#include "Plan.h"

// Plays a plan at once, the way the window plays it over time: each step is
// performed after `at` has been told its time from the start of the plan
// (its due time, moved on by the file sounds that held the steps before it).
// With `hurryAt`, the player asks to hurry when that step is next. Returns
// the game the face showed at the end.
GameState PlayPlanAtOnce(const Plan& plan, GameState shown, FaceView& face, ControlsView& controls,
                         const std::function<void(std::int64_t)>& at = {},
                         std::optional<std::size_t> hurryAt = std::nullopt);
