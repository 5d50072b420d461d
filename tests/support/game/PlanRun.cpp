// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanRun.h"

#include <algorithm>

GameState PlayPlanAtOnce(const Plan& plan, GameState shown, FaceView& face, ControlsView& controls,
                         const std::function<void(std::int64_t)>& at,
                         std::optional<HurryPoint> hurryAt,
                         const std::function<void(const GameState&)>& save) {
  std::int64_t offset = 0;
  std::int64_t now = 0;
  PlanCursor next(plan);
  std::size_t metIn = 0;  // steps met in the plan step the cursor is in
  while (!next.AtEnd()) {
    if (hurryAt && next.Index() == hurryAt->step && metIn == hurryAt->into) {
      hurryAt.reset();
      const std::size_t after = HurryThrough(plan, next.Index(), shown, face, controls);
      if (after != next.Index()) {
        next.JumpTo(after);
        metIn = 0;
        // The schedule goes on at once from the step after the run.
        if (!next.AtEnd()) offset = now - next.Due();
        continue;
      }
    }
    const PlanStep step = next.Step();
    const std::size_t index = next.Index();
    next.Next();
    metIn = next.Index() == index ? metIn + 1 : 0;
    now = std::max(now, step.due + offset);
    if (at) at(now);
    ApplyToShown(plan, step, shown);
    offset += PerformStep(step, face, controls);
    if (const GameState* settled = GameToSave(plan, step); settled && save) save(*settled);
  }
  return shown;
}

std::vector<PlanStep> StepsAsMet(const Plan& plan) {
  std::vector<PlanStep> steps;
  for (PlanCursor next(plan); !next.AtEnd(); next.Next()) steps.push_back(next.Step());
  return steps;
}
