// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plan.h"

#include <algorithm>

#include "Paylines.h"

std::size_t Plan::KeepStep() const {
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (steps[i].kind == StepKind::Keep) return i;
  return steps.size();
}

const HurryRun* Plan::HurryAt(std::size_t index) const {
  for (const HurryRun& run : hurries)
    if (index >= run.first && index < run.end) return &run;
  return nullptr;
}

void ApplyToShown(const Plan& plan, const PlanStep& step, GameState& shown) {
  switch (step.kind) {
    case StepKind::Money:
      switch (static_cast<MoneyReadout>(step.which)) {
        case MoneyReadout::Credits:
          shown.Credits = step.amount;
          break;
        case MoneyReadout::Wager:
          shown.Wager = step.amount;
          break;
        case MoneyReadout::Won:
          shown.WinAmount = step.amount;
          break;
        case MoneyReadout::Bonus:
          shown.BonusPool = step.amount;
          break;
      }
      break;
    case StepKind::Count:
      if (step.which == static_cast<int>(CountReadout::Spins)) shown.Spins = step.count;
      if (step.which == static_cast<int>(CountReadout::FreeSpinsPlayed))
        shown.FreeSpinsPlayed = step.count;
      break;
    case StepKind::Lamps:
      DealLineBets(shown, step.amount);
      break;
    case StepKind::Meter:
      shown.PowerPts = step.count;
      break;
    case StepKind::Show:
      shown = plan.snapshots[static_cast<std::size_t>(step.which)];
      break;
    default:
      break;
  }
}

int PerformStep(const Plan& plan, const PlanStep& step, FaceView& face, ControlsView& controls) {
  switch (step.kind) {
    case StepKind::Wheels:
      face.ShowWheels(step.wheels);
      break;
    case StepKind::Sound:
      return controls.PlayEventSound(step.sound);
    case StepKind::Money:
      face.DrawMoneyReadout(static_cast<MoneyReadout>(step.which), step.amount);
      break;
    case StepKind::Count:
      face.DrawCountReadout(static_cast<CountReadout>(step.which), step.count);
      break;
    case StepKind::Lamps:
      face.DrawLineLamps(step.count);
      break;
    case StepKind::Payline:
      face.DrawPayline(step.which);
      break;
    case StepKind::Meter:
      face.DrawPowerMeter(step.which != 0);
      break;
    case StepKind::Repaint:
      face.RepaintMachine();
      break;
    case StepKind::Buttons:
      controls.SetButtonsEnabled(step.which != 0);
      break;
    case StepKind::GameCommands:
      controls.SetGameCommandsEnabled(step.which != 0);
      break;
    case StepKind::FocusSpin:
      controls.FocusSpinButton();
      break;
    case StepKind::Blinking:
      controls.SetBlinking(step.which != 0);
      break;
    case StepKind::Keep:
      if (plan.settled) controls.KeepGame(*plan.settled);
      break;
    case StepKind::Show:
      break;
  }
  return 0;
}

std::size_t HurryThrough(const Plan& plan, std::size_t next, GameState& shown, FaceView& face,
                         ControlsView& controls) {
  const HurryRun* run = plan.HurryAt(next);
  if (run == nullptr) return next;
  // Of the pictures in the run only the last of each kind is drawn, and
  // none of its sounds is heard.
  std::vector<std::size_t> drawn;
  auto drawLast = [&](std::size_t index) {
    const PlanStep& step = plan.steps[index];
    for (std::size_t& earlier : drawn) {
      const PlanStep& other = plan.steps[earlier];
      if (other.kind == step.kind && other.which == step.which) {
        earlier = index;
        return;
      }
    }
    drawn.push_back(index);
  };
  for (std::size_t i = next; i < run->end; ++i) {
    ApplyToShown(plan, plan.steps[i], shown);
    if (plan.steps[i].kind != StepKind::Sound) drawLast(i);
  }
  std::sort(drawn.begin(), drawn.end());
  for (std::size_t index : drawn) PerformStep(plan, plan.steps[index], face, controls);
  if (run->endSound) controls.PlayEventSound(*run->endSound);
  return run->end;
}
