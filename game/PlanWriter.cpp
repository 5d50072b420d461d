// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanWriter.h"

#include "Money.h"

void PlanWriter::Add(StepKind kind, PlanStep step) {
  step.due = due_;
  step.kind = kind;
  if (!record_ && kind != StepKind::Save) {
    if (kind != StepKind::Show) ApplyToShown(plan_, step, shown_);
    return;
  }
  plan_.steps.push_back(step);
  ApplyToShown(plan_, plan_.steps.back(), shown_);
}

void PlanWriter::Money(MoneyReadout which, double amount) {
  PlanStep step;
  step.which = static_cast<int>(which);
  step.amount = amount;
  Add(StepKind::Money, step);
}

void PlanWriter::Count(CountReadout which, std::int32_t count) {
  PlanStep step;
  step.which = static_cast<int>(which);
  step.count = count;
  Add(StepKind::Count, step);
}

void PlanWriter::Lamps(double amount) {
  PlanStep step;
  step.amount = amount;
  step.count = money::CoinsIn(amount, shown_.CoinValue);
  Add(StepKind::Lamps, step);
}

void PlanWriter::Payline(int line) {
  PlanStep step;
  step.which = line;
  Add(StepKind::Payline, step);
}

void PlanWriter::Meter(bool rising, std::int32_t power) {
  PlanStep step;
  step.which = rising ? 1 : 0;
  step.count = power;
  Add(StepKind::Meter, step);
}

void PlanWriter::Repaint() { Add(StepKind::Repaint); }

void PlanWriter::Wheels(const std::array<int, 3>& positions) {
  PlanStep step;
  step.wheels = positions;
  Add(StepKind::Wheels, step);
}

void PlanWriter::Sound(SoundEvent sound) {
  PlanStep step;
  step.sound = sound;
  Add(StepKind::Sound, step);
}

void PlanWriter::Buttons(bool on) {
  PlanStep step;
  step.which = on ? 1 : 0;
  Add(StepKind::Buttons, step);
}

void PlanWriter::GameCommands(bool on) {
  PlanStep step;
  step.which = on ? 1 : 0;
  Add(StepKind::GameCommands, step);
}

void PlanWriter::FocusSpin() { Add(StepKind::FocusSpin); }

void PlanWriter::Blinking(bool on) {
  PlanStep step;
  step.which = on ? 1 : 0;
  Add(StepKind::Blinking, step);
}

void PlanWriter::Save(const GameState& settled) {
  plan_.settled = settled;
  Add(StepKind::Save);
}

void PlanWriter::Show() {
  if (!record_) return;
  plan_.snapshots.push_back(shown_);
  PlanStep step;
  step.which = static_cast<int>(plan_.snapshots.size() - 1);
  Add(StepKind::Show, step);
}

void PlanWriter::EndHurry(std::optional<SoundEvent> endSound) {
  if (record_ && plan_.steps.size() > hurryFirst_)
    plan_.hurries.push_back({hurryFirst_, plan_.steps.size(), endSound});
}

void PlanWriter::CountUp(MoneyReadout from, double amount, CountPace pace) {
  if (money::ToCents(amount) <= 0) return;
  BeginHurry();
  PlanStep step;
  step.which = static_cast<int>(from);
  step.amount = amount;
  step.count = static_cast<std::int32_t>(pace);
  step.credits = shown_.Credits;
  step.coin = shown_.CoinValue;
  Add(StepKind::CountUp, step);
  if (record_) Pause(CountUpLength(step));
  EndHurry();
}
