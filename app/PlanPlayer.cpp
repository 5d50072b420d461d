// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanPlayer.h"

#include <chrono>
#include <utility>

std::int64_t SteadyTickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

PlanPlayer::PlanPlayer(GameState& shown, FaceView& face, ControlsView& controls,
                       std::function<void()> ended, QObject* parent)
    : QObject(parent), shown_(shown), face_(face), controls_(controls), ended_(std::move(ended)) {
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
  lastDue_ = 0;
  start_ = SteadyTickCount();
  offset_ = 0;
  playing_ = true;
  PlayDueSteps();
}

void PlanPlayer::Advance() {
  if (!playing_ || next_.AtEnd()) return;
  const std::int64_t late = SteadyTickCount() - DueTime();
  const std::int64_t gap = next_.Due() - lastDue_;
  if (gap > 0 && late >= gap) offset_ += late;
  PlayDueSteps();
}

void PlanPlayer::PlayDueSteps() {
  while (playing_ && !next_.AtEnd()) {
    const std::int64_t wait = DueTime() - SteadyTickCount();
    if (wait > 0) {
      timer_.start(static_cast<int>(wait));
      return;
    }
    const PlanStep step = next_.Step();
    lastDue_ = step.due;
    next_.Next();
    ApplyToShown(plan_, step, shown_);
    // A file sound holds every step after it for its length.
    offset_ += PerformStep(plan_, step, face_, controls_);
    // The wheels' schedule starts once the spin has been written, so a slow
    // disk, or a slow start before the write, makes the spin start later
    // rather than its first step shorter.
    if (step.kind == StepKind::Keep) offset_ = SteadyTickCount() - start_ - step.due;
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
  lastDue_ = plan_.steps[after - 1].due;
  if (!next_.AtEnd()) offset_ = SteadyTickCount() - start_ - next_.Due();
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
