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

// Plays the plans of the rules on one precise single-shot timer: at each due
// time the steps that are due are applied to the shown game and drawn, and
// the timer is armed for the next. Each step keeps to the schedule rather
// than adding its drawing time; only a step late by its whole gap or more
// starts the schedule afresh, so the wheels never race to catch up. Nothing
// waits: the event loop runs freely between steps.
class PlanPlayer : public QObject {
  Q_OBJECT

 public:
  // `shown` is the game the face paints; `ended` runs when a plan has played
  // to its end.
  PlanPlayer(GameState& shown, FaceView& face, ControlsView& controls, std::function<void()> ended,
             QObject* parent = nullptr);

  // Plays the steps due at once before returning, the rest on the timer.
  // An empty plan plays nothing.
  void Play(Plan plan);
  bool Playing() const { return playing_; }
  // Whether the spin's start (its Keep step) has been shown.
  bool SpinShown() const { return playing_ && next_.Index() > plan_.KeepStep(); }
  // The player asks to hurry: the wheels stop, or the count-up ends, at once.
  // False when nothing that may be hurried is under way.
  bool Hurry();
  // Drops the rest of the plan; `ended` does not run.
  void Stop();

 private:
  void Advance();
  void PlayDueSteps();
  void Finish();
  std::int64_t DueTime() const { return start_ + offset_ + next_.Due(); }

  GameState& shown_;
  FaceView& face_;
  ControlsView& controls_;
  std::function<void()> ended_;
  QTimer timer_;
  Plan plan_;
  // The next step to play, and when the one before it was due.
  PlanCursor next_{plan_};
  std::int64_t lastDue_ = 0;
  std::int64_t start_ = 0;
  std::int64_t offset_ = 0;
  bool playing_ = false;
};
