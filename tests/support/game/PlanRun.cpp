// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanRun.h"

GameState PlayPlanAtOnce(const Plan& plan, GameState shown, FaceView& face, ControlsView& controls,
                         const std::function<void(std::int64_t)>& at,
                         std::optional<std::size_t> hurryAt) {
  std::int64_t offset = 0;
  std::int64_t now = 0;
  std::size_t next = 0;
  while (next < plan.steps.size()) {
    if (hurryAt && next == *hurryAt) {
      hurryAt.reset();
      const std::size_t after = HurryThrough(plan, next, shown, face, controls);
      if (after != next) {
        next = after;
        // The schedule goes on at once from the step after the run.
        if (next < plan.steps.size()) offset = now - plan.steps[next].due;
        continue;
      }
    }
    const PlanStep& step = plan.steps[next++];
    now = std::max(now, step.due + offset);
    if (at) at(now);
    ApplyToShown(plan, step, shown);
    offset += PerformStep(plan, step, face, controls);
  }
  return shown;
}
