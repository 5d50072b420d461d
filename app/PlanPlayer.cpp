// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanPlayer.h"

#include <algorithm>
#include <chrono>
#include <utility>

std::int64_t SteadyTickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void PlanSchedule::Start(std::int64_t now) {
  start_ = now;
  offset_ = 0;
  lastPlayed_ = now;
}

void PlanSchedule::Played(std::int64_t due, std::int64_t now) {
  // Steps that lag a little more each time, on a machine too busy for
  // their pace, are no stall: they catch up where the pauses grow longer.
  if (now - std::max(DueAt(due), lastPlayed_) > StallMs) offset_ = now - start_ - due;
  lastPlayed_ = now;
}

PlanPlayer::PlanPlayer(GameState& shown, FaceView& face, ControlsView& controls,
                       std::function<void()> ended, std::function<void(const GameState&)> save,
                       QObject* parent)
    : QObject(parent),
      shown_(shown),
      face_(face),
      controls_(controls),
      ended_(std::move(ended)),
      save_(std::move(save)) {
  // A coarse timer could be late by several per cent of a Fast step.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &PlanPlayer::Advance);
}

void PlanPlayer::Play(Plan plan) {
  if (plan.Empty()) return;
  timer_.stop();
  plan_ = std::move(plan);
  next_ = PlanCursor(plan_);
  schedule_.Start(SteadyTickCount());
  playing_ = true;
  PlayDueSteps();
}

void PlanPlayer::Advance() {
  if (!playing_ || next_.AtEnd()) return;
  PlayDueSteps();
}

void PlanPlayer::PlayDueSteps() {
  while (playing_ && !next_.AtEnd()) {
    const std::int64_t now = SteadyTickCount();
    const std::int64_t wait = schedule_.WaitFor(next_.Due(), now);
    if (wait > 0) {
      timer_.start(static_cast<int>(wait));
      return;
    }
    const PlanStep step = next_.Step();
    schedule_.Played(step.due, now);
    next_.Next();
    ApplyToShown(plan_, step, shown_);
    // A file sound holds every step after it for its length.
    schedule_.Hold(PerformStep(step, face_, controls_));
    if (const GameState* settled = GameToSave(plan_, step)) {
      if (save_) save_(*settled);
      // The wheels' schedule starts once the spin has been written, so a
      // slow disk, or a slow start before the write, makes the spin start
      // later rather than its first step shorter.
      schedule_.RestartAt(step.due, SteadyTickCount());
    }
  }
  if (playing_) Finish();
}

bool PlanPlayer::Hurry() {
  if (!playing_) return false;
  const std::size_t at = next_.Index();
  const std::size_t after = HurryThrough(plan_, at, shown_, face_, controls_);
  if (after == at) return false;
  timer_.stop();
  next_.JumpTo(after);
  // The schedule goes on at once from the step after the run.
  if (!next_.AtEnd()) schedule_.RestartAt(next_.Due(), SteadyTickCount());
  PlayDueSteps();
  return true;
}

void PlanPlayer::Stop() {
  timer_.stop();
  playing_ = false;
  plan_ = {};
  next_ = PlanCursor(plan_);
}

void PlanPlayer::Finish() {
  playing_ = false;
  plan_ = {};
  next_ = PlanCursor(plan_);
  if (ended_) ended_();
}
