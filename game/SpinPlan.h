// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BetDecision.h"
#include "Plan.h"
#include "Random.h"
#include "Timings.h"

// How a plan is shown.
struct PlanShowing {
  // Nobody watches (simulations, soak runs): the plan holds only the spin's
  // Save step, and the wheels go straight to their stops.
  bool watched = true;
  // The pause of each step of the turning wheels, by the chosen speed.
  int spinDelay = timings::SpinDelayFast;
};

// Writes the plan of a decided bet or spin: coins placed, the wheels
// turning, lamps, paylines, count-ups, sounds and pauses. The blur of the
// turning wheels draws from `random` and `blur`, after everything the spin's
// decision drew.
Plan WriteBetPlan(const BetDecision& bet, const PlanShowing& showing, RandomSource& random,
                  BlurSource& blur);
