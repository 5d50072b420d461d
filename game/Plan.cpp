// SPDX-License-Identifier: GPL-3.0-or-later
#include "Plan.h"

#include <algorithm>

#include "Money.h"
#include "Paylines.h"
#include "Timings.h"

namespace {

// The readout a count-up counts from.
void SetReadout(GameState& shown, MoneyReadout which, double amount) {
  switch (which) {
    case MoneyReadout::Credits:
      shown.Credits = amount;
      break;
    case MoneyReadout::Wager:
      shown.Wager = amount;
      break;
    case MoneyReadout::Won:
      shown.WinAmount = amount;
      break;
    case MoneyReadout::Bonus:
      shown.BonusPool = amount;
      break;
  }
}

// One coin of a count-up with `left` still to count: the coin itself, and
// the coins left as the pause reads them. Everything is counted, a last part
// of a coin included, so nothing stays behind; a coin value of nothing counts
// the whole amount as one coin.
double CoinOf(const PlanStep& countUp, double left) {
  return money::ToCents(countUp.coin) > 0 ? std::min(countUp.coin, left) : left;
}

}  // namespace

int CountUpPause(CountPace pace, double coinsLeft) {
  return pace == CountPace::Bonus ? timings::BonusCountPause(coinsLeft)
                                  : timings::WinCountPause(coinsLeft);
}

std::int64_t CountUpLength(const PlanStep& countUp) {
  const auto pace = static_cast<CountPace>(countUp.count);
  const std::int64_t coin = money::ToCents(countUp.coin);
  std::int64_t left = money::ToCents(countUp.amount);
  std::int64_t length = 0;
  if (coin > 0 && left >= timings::CountPausesSteadyFrom * coin) {
    // The coins counted while that many or more are left all pause alike.
    const std::int64_t steady = (left - timings::CountPausesSteadyFrom * coin) / coin + 1;
    length = steady * CountUpPause(pace, timings::CountPausesSteadyFrom);
    left -= steady * coin;
  }
  for (double rest = money::FromCents(left); money::ToCents(rest) > 0;
       rest = money::Sub(rest, CoinOf(countUp, rest)))
    length += CountUpPause(pace, money::CoinsLeft(rest, countUp.coin));
  return length;
}

PlanCursor::PlanCursor(const Plan& plan) : plan_(&plan) { Enter(); }

const PlanStep& PlanCursor::Step() const {
  return counting_ ? coinSteps_[part_] : plan_->steps[index_];
}

void PlanCursor::Next() {
  if (AtEnd()) return;
  if (counting_) {
    if (++part_ < coinSteps_.size()) return;
    const PlanStep& countUp = plan_->steps[index_];
    coinDue_ +=
        CountUpPause(static_cast<CountPace>(countUp.count), money::CoinsLeft(left_, countUp.coin));
    left_ = money::Sub(left_, CoinOf(countUp, left_));
    if (money::ToCents(left_) > 0) {
      ShowCoin();
      return;
    }
  }
  ++index_;
  Enter();
}

void PlanCursor::JumpTo(std::size_t index) {
  index_ = index;
  Enter();
}

void PlanCursor::Enter() {
  counting_ = false;
  // A count-up of nothing has no coin to meet.
  while (!AtEnd() && plan_->steps[index_].kind == StepKind::CountUp) {
    const PlanStep& countUp = plan_->steps[index_];
    if (money::ToCents(countUp.amount) > 0) {
      counting_ = true;
      left_ = countUp.amount;
      credits_ = countUp.credits;
      coinDue_ = countUp.due;
      ShowCoin();
      return;
    }
    ++index_;
  }
}

void PlanCursor::ShowCoin() {
  const PlanStep& countUp = plan_->steps[index_];
  const double coin = CoinOf(countUp, left_);
  credits_ = money::Add(credits_, coin);
  for (PlanStep& step : coinSteps_) step = PlanStep{.due = coinDue_};
  coinSteps_[0].kind = StepKind::Money;
  coinSteps_[0].which = static_cast<int>(MoneyReadout::Credits);
  coinSteps_[0].amount = credits_;
  coinSteps_[1].kind = StepKind::Money;
  coinSteps_[1].which = countUp.which;
  coinSteps_[1].amount = money::Sub(left_, coin);
  coinSteps_[2].kind = StepKind::Sound;
  coinSteps_[2].sound = SoundEvent::seCredits;
  part_ = 0;
}

std::size_t Plan::SaveStep() const {
  for (std::size_t i = 0; i < steps.size(); ++i)
    if (steps[i].kind == StepKind::Save) return i;
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
      SetReadout(shown, static_cast<MoneyReadout>(step.which), step.amount);
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
    case StepKind::CountUp:
      // The whole count at once (nobody watches, or the player hurried).
      shown.Credits = money::Add(step.credits, step.amount);
      SetReadout(shown, static_cast<MoneyReadout>(step.which), 0);
      break;
    default:
      break;
  }
}

int PerformStep(const PlanStep& step, FaceView& face, ControlsView& controls) {
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
    case StepKind::Save:
      // Saved by whoever plays the plan (GameToSave).
    case StepKind::Show:
      break;
    case StepKind::CountUp:
      // Played as coins (PlanCursor); drawn whole only where it ends.
      face.DrawMoneyReadout(MoneyReadout::Credits, money::Add(step.credits, step.amount));
      face.DrawMoneyReadout(static_cast<MoneyReadout>(step.which), 0);
      break;
  }
  return 0;
}

const GameState* GameToSave(const Plan& plan, const PlanStep& step) {
  return step.kind == StepKind::Save && plan.settled ? &*plan.settled : nullptr;
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
  for (std::size_t index : drawn) PerformStep(plan.steps[index], face, controls);
  if (run->endSound) controls.PlayEventSound(*run->endSound);
  return run->end;
}
