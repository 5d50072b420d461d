// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "GameState.h"
#include "Plan.h"

// Writes the steps of a plan at a cursor that pauses move on, and keeps the
// game the face would show after each step, through the same ApplyToShown
// the player uses, so the plan and its playing can never disagree.
//
// A writer that does not record (nobody watches: simulations, soak runs)
// still keeps the shown game, and writes only the Save step.
class PlanWriter {
 public:
  PlanWriter(Plan& plan, GameState& shown, bool record = true)
      : plan_(plan), shown_(shown), record_(record) {}

  bool Records() const { return record_; }

  void Pause(std::int64_t ms) { due_ += ms; }

  void Money(MoneyReadout which, double amount);
  void Count(CountReadout which, std::int32_t count);
  void Lamps(double amount);
  void Payline(int line);
  void Meter(bool rising, std::int32_t power);
  void Repaint();
  void Wheels(const std::array<int, 3>& positions);
  void Sound(SoundEvent sound);
  void Buttons(bool on);
  void GameCommands(bool on);
  void FocusSpin();
  void Blinking(bool on);
  void Save(const GameState& settled);
  // Moves `amount` from readout `from` into the credits coin by coin, each
  // coin shown and sounded and followed by its pause for the coins left: one
  // step, which the player meets coin by coin. Hurried, the rest goes in at
  // once.
  void CountUp(MoneyReadout from, double amount, CountPace pace);
  // The plan plays a spin (the auto-spin ticks may follow it).
  void Spins() { plan_.spins = true; }
  // The shown game, changed where nothing is drawn, becomes the face's.
  void Show();

  // Steps written between these two may be hurried through.
  void BeginHurry() { hurryFirst_ = plan_.steps.size(); }
  void EndHurry(std::optional<SoundEvent> endSound = std::nullopt);

 private:
  void Add(StepKind kind, PlanStep step = {});

  Plan& plan_;
  GameState& shown_;
  bool record_;
  std::int64_t due_ = 0;
  std::size_t hurryFirst_ = 0;
};
