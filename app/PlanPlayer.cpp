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
  next_ = 0;
  start_ = SteadyTickCount();
  offset_ = 0;
  playing_ = true;
  PlayDueSteps();
}

void PlanPlayer::Advance() {
  if (!playing_ || next_ >= plan_.steps.size()) return;
  const std::int64_t late = SteadyTickCount() - TimeOf(next_);
  const std::int64_t gap = next_ == 0 ? 0 : plan_.steps[next_].due - plan_.steps[next_ - 1].due;
  if (gap > 0 && late >= gap) offset_ += late;
  PlayDueSteps();
}

void PlanPlayer::PlayDueSteps() {
  while (playing_ && next_ < plan_.steps.size()) {
    const std::int64_t wait = TimeOf(next_) - SteadyTickCount();
    if (wait > 0) {
      timer_.start(static_cast<int>(wait));
      return;
    }
    const PlanStep& step = plan_.steps[next_++];
    ApplyToShown(plan_, step, shown_);
    const std::int64_t before = SteadyTickCount();
    // A file sound holds every step after it for its length.
    offset_ += PerformStep(plan_, step, face_, controls_);
    // The wheels' schedule starts once the spin has been written, so a slow
    // disk makes the spin start later rather than a step shorter.
    if (step.kind == StepKind::Keep) offset_ += SteadyTickCount() - before;
  }
  if (playing_) Finish();
}

bool PlanPlayer::Hurry() {
  if (!playing_) return false;
  const std::size_t after = HurryThrough(plan_, next_, shown_, face_, controls_);
  if (after == next_) return false;
  timer_.stop();
  next_ = after;
  // The schedule goes on at once from the step after the run.
  if (next_ < plan_.steps.size()) offset_ = SteadyTickCount() - start_ - plan_.steps[next_].due;
  PlayDueSteps();
  return true;
}

void PlanPlayer::Stop() {
  timer_.stop();
  playing_ = false;
  plan_ = {};
  next_ = 0;
}

void PlanPlayer::Finish() {
  playing_ = false;
  plan_ = {};
  next_ = 0;
  if (ended_) ended_();
}
