// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "GameState.h"
#include "MachineView.h"
#include "Plan.h"

// The millisecond tick count of a steady clock, unaffected by changes of the
// wall-clock time.
std::int64_t SteadyTickCount();

// When the steps of a plan may play, on a steady millisecond clock. Each
// step keeps to the schedule rather than adding its drawing time, and a step
// that plays late does not move the ones after it: the steps that have come
// due meanwhile play at once, each in its order, so a slow or busy machine
// still ends a count-up on time. Only a stall, a step held up more than
// StallMs past both its due time and the step before it (a suspended
// machine, an event loop held up), starts the schedule afresh from that
// step, rather than racing through everything missed.
class PlanSchedule {
 public:
  static constexpr std::int64_t StallMs = 100;

  void Start(std::int64_t now);
  // Milliseconds until the step due `due` into the plan may play: none or
  // less means now.
  std::int64_t WaitFor(std::int64_t due, std::int64_t now) const { return DueAt(due) - now; }
  // The step due `due` into the plan has played at `now`.
  void Played(std::int64_t due, std::int64_t now);
  // Every step after now is due `ms` later.
  void Hold(std::int64_t ms) { offset_ += ms; }
  // The step due `due` into the plan is due at `now`, and those after it
  // keep their gaps from it.
  void RestartAt(std::int64_t due, std::int64_t now) {
    offset_ = now - start_ - due;
    lastPlayed_ = now;
  }

 private:
  std::int64_t DueAt(std::int64_t due) const { return start_ + offset_ + due; }

  std::int64_t start_ = 0;
  std::int64_t offset_ = 0;
  std::int64_t lastPlayed_ = 0;
};

// Plays the plans of the rules on one precise single-shot timer: at each due
// time the steps that are due are applied to the shown game and drawn, and
// the timer is armed for the next (PlanSchedule). Nothing waits: the event
// loop runs freely between steps.
class PlanPlayer : public QObject {
  Q_OBJECT

 public:
  // `shown` is the game the face paints; `ended` runs when a plan has played
  // to its end, `save` when a spin's settled game must be saved (its Save
  // step, before the wheels turn).
  PlanPlayer(GameState& shown, FaceView& face, ControlsView& controls, std::function<void()> ended,
             std::function<void(const GameState&)> save, QObject* parent = nullptr);

  // Plays the steps due at once before returning, the rest on the timer.
  // An empty plan plays nothing.
  void Play(Plan plan);
  bool Playing() const { return playing_; }
  // Whether the spin's start (its Save step) has been shown.
  bool SpinShown() const { return playing_ && next_.Index() > plan_.SaveStep(); }
  // The player asks to hurry: the wheels stop, or the count-up ends, at once.
  // False when nothing that may be hurried is under way.
  bool Hurry();
  // Drops the rest of the plan; `ended` does not run.
  void Stop();

 private:
  void Advance();
  void PlayDueSteps();
  void Finish();

  GameState& shown_;
  FaceView& face_;
  ControlsView& controls_;
  std::function<void()> ended_;
  std::function<void(const GameState&)> save_;
  QTimer timer_;
  Plan plan_;
  PlanCursor next_{plan_};
  PlanSchedule schedule_;
  bool playing_ = false;
};
