// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanWriter.h"

#include <algorithm>

#include "Money.h"

namespace {

constexpr int MaxCoinsCounted = 100'000;  // 200 s of count at the fastest pace

}  // namespace

void PlanWriter::Add(StepKind kind, PlanStep step) {
  step.due = due_;
  step.kind = kind;
  if (!record_ && kind != StepKind::Keep) {
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

void PlanWriter::Keep(const GameState& settled) {
  plan_.settled = settled;
  Add(StepKind::Keep);
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

void PlanWriter::CountUp(MoneyReadout from, double amount, int (*pauseFor)(double)) {
  // Everything is counted, a last part of a coin included, so nothing stays
  // behind and an amount that is not a whole number of coins never goes
  // below zero. Hurried, the rest goes in at once.
  BeginHurry();
  double source = amount;
  const double coinValue = shown_.CoinValue;
  // A pool grown past any real game's (a hand-edited file) would count for
  // days: what lies beyond the last coins counted one by one goes in first.
  const double counted = money::Times(coinValue, MaxCoinsCounted);
  if (money::Less(counted, source)) {
    Money(MoneyReadout::Credits, money::Add(shown_.Credits, money::Sub(source, counted)));
    Money(from, counted);
    source = counted;
  }
  while (money::ToCents(source) > 0) {
    const double coinsLeft = money::CoinsLeft(source, coinValue);
    const double coin = std::min(coinValue, source);
    source = money::Sub(source, coin);
    Money(MoneyReadout::Credits, money::Add(shown_.Credits, coin));
    Money(from, source);
    Sound(SoundEvent::seCredits);
    Pause(pauseFor(coinsLeft));
  }
  EndHurry();
}
