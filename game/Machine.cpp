// SPDX-License-Identifier: GPL-3.0-or-later
#include "Machine.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <utility>

#include "Money.h"
#include "Paylines.h"
#include "PlanWriter.h"
#include "Reels.h"
#include "Timings.h"
#include "TranslatableText.h"

namespace {

constexpr int StopSoundSteps[] = {59, 79, 99};
constexpr double PoolShareOfMaxBet = 0.04;  // one coin of a 25-coin wager
constexpr int MaxCoinsCounted = 100'000;    // 200 s of count at the fastest pace

bool IsStopSoundStep(int step) {
  return std::find(std::begin(StopSoundSteps), std::end(StopSoundSteps), step) !=
         std::end(StopSoundSteps);
}

// Reel clicks fall on every fifth step at Fast, every third at Medium and
// every second at Slow.
bool IsClickStep(int step, int spinDelay) {
  if (step >= 99 || IsStopSoundStep(step)) return false;
  switch (spinDelay) {
    case timings::SpinDelayFast:
      return step % 5 == 0;
    case timings::SpinDelayMedium:
      return step % 3 == 0;
    case timings::SpinDelaySlow:
      return step % 2 == 0;
    default:
      return false;
  }
}

double MaxWager(const GameState& state) { return money::Times(state.CoinValue, MaxCoins); }

// A counter read from a hand-edited file may already stand at its limit; it
// stays there rather than wrap round to a negative count.
void CountOne(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

// A file may hold what the rules never leave at rest: a meter at or past
// full (its bonus would have been paid) or below empty, a pool below nothing.
// Each is read as the nearest value a game at rest can have.
void KeepWithinRules(GameState& game) {
  game.PowerPts = std::clamp(game.PowerPts, 0, FullPower - 1);
  if (game.BonusPool < 0) game.BonusPool = 0;
}

}  // namespace

Machine::Machine(Settings& settings, ControlsView& controls, GameClock& clock, RandomSource& random)
    : settings_(settings),
      controls_(controls),
      clock_(clock),
      random_(random),
      blur_(static_cast<std::uint64_t>(random.Below(1 << 30))) {}

Plan Machine::Begin(Plan plan, const GameState& before) {
  busy_ = !plan.Empty();
  planSpins_ = plan.spins;
  if (busy_) beforePlan_ = before;
  return plan;
}

void Machine::PlanEnded() {
  if (!busy_) return;
  busy_ = false;
  beforePlan_.reset();
  // Told once the spin has been seen, not over its wheels.
  if (limitNote_) {
    const double credited = *limitNote_;
    limitNote_.reset();
    controls_.ShowAmountMessage(
        QT_TRANSLATE_NOOP("Machine",
                          "Your credits are at the money limit: only %1 of this win went in, "
                          "the rest could not be added."),
        credited);
  }
  if (planSpins_ && (autoSpin_ || state_.FreeSpins >= 1)) ArmAutoSpinTimer(true);
  planSpins_ = false;
}

void Machine::DropPlan(bool spinShown) {
  if (!busy_) return;
  busy_ = false;
  planSpins_ = false;
  limitNote_.reset();
  if (!spinShown && beforePlan_) state_ = *beforePlan_;
  beforePlan_.reset();
}

Plan Machine::Decide(const std::function<bool(PlanWriter&, GameState&)>& body) {
  busy_ = true;
  Plan plan;
  GameState shown = state_;
  PlanWriter out(plan, shown, watched_);
  out.GameCommands(false);
  plan.spins = body(out, shown);
  out.GameCommands(true);
  const GameState before = state_;
  state_ = plan.spins ? *plan.settled : shown;
  return Begin(std::move(plan), before);
}

Plan Machine::Bet1() {
  // A coin placed between free spins would be neither played nor returned.
  if (busy_ || state_.FreeSpins > 0) return {};
  bool placed = false;
  Plan plan = Decide([&](PlanWriter& out, GameState& shown) {
    ClearLineResults(shown);
    out.Show();
    placed = !money::Less(shown.Credits, shown.CoinValue);
    if (!placed) return false;
    PlaceCoin(out, shown);
    return !money::Less(shown.Wager, MaxWager(shown)) && RunSpin(out, shown);
  });
  if (placed && !plan.spins) controls_.KeepGameSoon(state_);
  return plan;
}

Plan Machine::BetMax() {
  if (busy_ || state_.FreeSpins > 0) return {};
  return Decide([this](PlanWriter& out, GameState& shown) {
    ClearLineResults(shown);
    out.Show();
    const double missing = money::Sub(MaxWager(shown), shown.Wager);
    if (money::Less(shown.Credits, missing)) return false;
    while (money::Less(shown.Wager, MaxWager(shown))) {
      PlaceCoin(out, shown);
      out.Pause(timings::BetMaxCoinPause);
    }
    return RunSpin(out, shown);
  });
}

Plan Machine::Spin() {
  if (busy_) return {};
  return Decide([this](PlanWriter& out, GameState& shown) { return RunSpin(out, shown); });
}

void Machine::PlaceCoin(PlanWriter& out, GameState& shown) {
  shown.Wager = money::Add(shown.Wager, shown.CoinValue);
  out.Lamps(shown.Wager);
  out.Money(MoneyReadout::Credits, money::Sub(shown.Credits, shown.CoinValue));
  out.Money(MoneyReadout::Wager, shown.Wager);
  out.Sound(SoundEvent::seCoins);
}

bool Machine::RunSpin(PlanWriter& out, GameState& shown) {
  ClearLineResults(shown);
  out.Show();
  if (!TakeBet(out, shown)) return false;

  out.BlinkTimer(false);
  if (shown.FreeSpins > 0) {
    CountOne(shown.FreeSpinsPlayed);
    out.Count(CountReadout::FreeSpinsPlayed, shown.FreeSpinsPlayed);
  } else {
    CountOne(shown.Spins);
    out.Count(CountReadout::Spins, shown.Spins);
  }
  // Decided and kept before the wheels turn: a game killed from here on
  // finds this spin settled when it starts again, never the bet given back.
  const SpinOutcome outcome = DecideSpin(shown, DrawLocks(random_), clock_.UnixTime());
  out.Keep(outcome.settled);
  NoteMoneyLimit(outcome);
  out.Buttons(false);
  AnimateWheels(out, outcome.locks, shown);

  ShowLineResults(out, outcome, shown);
  if (shown.WinAmount > 0)
    CountIntoCredits(out, shown, shown.WinAmount, MoneyReadout::Won, timings::WinCountPause);
  ShowMeterMove(out, outcome, shown);
  out.Buttons(true);
  out.FocusSpin();
  shown.LastBet = shown.Wager;
  shown.Wager = 0;

  if (shown.FreeSpins >= 1)
    ShowFreeSpinSettled(out, shown);
  else if (outcome.bonus)
    ShowBonus(out, shown);
  shown.History = outcome.settled.History;
  shown.Statistics = outcome.settled.Statistics;
  shown.Chart = outcome.settled.Chart;
  out.Show();
  return true;
}

void Machine::NoteMoneyLimit(const SpinOutcome& outcome) {
  // Told once as the credits reach the limit, not again for every spin that
  // stays there.
  if (outcome.notCredited > 0) {
    if (!toldOfLimit_) limitNote_ = money::Add(outcome.play.win, outcome.play.poolPaid);
    toldOfLimit_ = true;
  } else if (outcome.win > 0 || outcome.bonus) {
    toldOfLimit_ = false;
  }
}

bool Machine::TakeBet(PlanWriter& out, GameState& shown) {
  if (shown.FreeSpins > 0) {
    // A free spin plays the last bet again on the same lines, at no cost.
    out.Count(CountReadout::SpinFree, shown.FreeSpins - 1);
    shown.Wager = shown.LastBet;
    out.Lamps(shown.LastBet);
    return true;
  }
  if (!money::IsZero(shown.Wager)) {
    // Coins placed with "Bet 1" or "Bet Max" have already left the credits.
    AddToPoolForMaxBet(out, shown);
    return true;
  }
  if (shown.LastBet <= 0) {
    controls_.ShowMessage(QT_TRANSLATE_NOOP("Machine", "Please place a bet before spinning."));
    return false;
  }
  if (money::Less(shown.Credits, shown.LastBet)) {
    SetAutoSpin(false);
    controls_.ShowMessage(
        QT_TRANSLATE_NOOP("Machine",
                          "You do not have enough credits to bet the same amount as you last spin; "
                          "you better borrow some credits!."));
    return false;
  }
  out.Lamps(shown.LastBet);
  shown.Wager = shown.LastBet;
  out.Money(MoneyReadout::Credits, money::Sub(shown.Credits, shown.LastBet));
  out.Money(MoneyReadout::Wager, shown.Wager);
  AddToPoolForMaxBet(out, shown);
  return true;
}

void Machine::AddToPoolForMaxBet(PlanWriter& out, GameState& shown) {
  double pool = shown.BonusPool;
  if (!money::Less(shown.Wager, MaxWager(shown)))
    pool = money::Add(pool, money::Times(shown.Wager, PoolShareOfMaxBet));
  out.Money(MoneyReadout::Bonus, pool);
}

void Machine::AnimateWheels(PlanWriter& out, const std::array<int, 3>& locks, GameState& shown) {
  std::array<int, 3> positions{shown.Stops[0], shown.Stops[1], shown.Stops[2]};
  if (!out.Records()) {
    // Nobody watches the blur: the wheels go straight to their stops.
    for (std::size_t wheel = 0; wheel < 3; ++wheel)
      positions[wheel] = RestingStop(static_cast<int>(wheel), locks[wheel]);
  }
  out.BeginHurry();
  for (int step = 1; out.Records() && step <= AnimationSteps; ++step) {
    out.Pause(spinDelay_);
    for (std::size_t wheel = 0; wheel < 3; ++wheel) {
      auto& position = positions[wheel];
      // The lock was drawn when the spin was decided; the other steps draw
      // only the blur.
      const int wheelIndex = static_cast<int>(wheel);
      position = step == Schedules[wheel].lockStep
                     ? locks[wheel]
                     : PositionAtStep(wheelIndex, step, position, random_, blur_);
    }
    out.Wheels(positions);
    if (IsStopSoundStep(step))
      out.Sound(SoundEvent::seStop);
    else if (IsClickStep(step, spinDelay_))
      out.Sound(SoundEvent::seSlotSpin);
  }
  // Hurried, the wheels jump to where they stop with one stop sound.
  out.EndHurry(SoundEvent::seStop);
  for (std::size_t wheel = 0; wheel < 3; ++wheel) shown.Stops[wheel] = positions[wheel];
  ComputeWindow(shown);
  out.Show();
  out.BlinkTimer(true);
}

void Machine::ShowLineResults(PlanWriter& out, const SpinOutcome& outcome, GameState& shown) {
  shown.LinePay = outcome.settled.LinePay;
  out.Show();
  for (int line = 0; line < LineCount; ++line)
    if (shown.LinePay[static_cast<std::size_t>(line)] > 0) out.Payline(line);
  if (outcome.win > 0) {
    out.Money(MoneyReadout::Won, outcome.win);
    out.Sound(SoundEvent::seWin);
    out.Lamps(shown.Wager);
  } else {
    out.Sound(SoundEvent::seLose);
  }
}

void Machine::CountIntoCredits(PlanWriter& out, GameState& shown, double& source,
                               MoneyReadout readout, int (*pauseFor)(double)) {
  // Everything is counted, a last part of a coin included, so nothing stays
  // behind and an amount that is not a whole number of coins never goes
  // below zero. Hurried, the rest goes in at once.
  out.BeginHurry();
  // A pool grown past any real game's (a hand-edited file) would count for
  // days: what lies beyond the last coins counted one by one goes in first.
  const double counted = money::Times(shown.CoinValue, MaxCoinsCounted);
  if (money::Less(counted, source)) {
    out.Money(MoneyReadout::Credits, money::Add(shown.Credits, money::Sub(source, counted)));
    out.Money(readout, counted);
  }
  while (money::ToCents(source) > 0) {
    const double coinsLeft = money::CoinsLeft(source, shown.CoinValue);
    const double coin = std::min(shown.CoinValue, source);
    const double rest = money::Sub(source, coin);
    out.Money(MoneyReadout::Credits, money::Add(shown.Credits, coin));
    out.Money(readout, rest);
    out.Sound(SoundEvent::seCredits);
    out.Pause(pauseFor(coinsLeft));
  }
  out.EndHurry();
}

void Machine::ShowMeterMove(PlanWriter& out, const SpinOutcome& outcome, GameState& /*shown*/) {
  if (outcome.meterMove == MeterMove::None) return;
  const bool rising = outcome.meterMove == MeterMove::Rising;
  out.Sound(rising ? SoundEvent::sePowerUp : SoundEvent::sePowerDrain);
  out.Meter(rising, outcome.meterAfterMove);
}

void Machine::ShowFreeSpinSettled(PlanWriter& out, GameState& shown) {
  --shown.FreeSpins;
  shown.PowerPts = 0;
  if (shown.FreeSpins == 0) {
    shown.BonusPool = SeededPool(shown.CoinValue);
    SwitchToNormalStrip(shown);
    out.Show();
    out.Repaint();
  }
}

void Machine::ShowBonus(PlanWriter& out, GameState& shown) {
  out.Sound(SoundEvent::seBonus);
  CountIntoCredits(out, shown, shown.BonusPool, MoneyReadout::Bonus, timings::BonusCountPause);
  shown.FreeSpins = FreeSpinsPerBonus;
  shown.PowerPts = 0;
  SwitchToFreeSpinStrip(shown);
  out.Show();
  out.Repaint();
}

void Machine::SeedPool() { state_.BonusPool = SeededPool(state_.CoinValue); }

Plan Machine::AutoSpinTick() {
  // A tick that arrives during a plan is dropped; the plan's end arms the
  // timer again if auto spin or free spins call for it.
  if (busy_) return {};
  const bool autoSpinCanPay =
      autoSpin_ && state_.LastBet > 0 && !money::Less(state_.Credits, state_.LastBet);
  ArmAutoSpinTimer(false);
  if (autoSpinCanPay || state_.FreeSpins > 0) return Spin();
  SetAutoSpin(false);
  return {};
}

void Machine::ToggleAutoSpin() {
  SetAutoSpin(!autoSpin_);
  ArmAutoSpinTimer(!autoSpinTimerArmed_);
}

void Machine::SetAutoSpin(bool on) {
  autoSpin_ = on;
  controls_.SetAutoSpinChecked(on);
}

void Machine::ArmAutoSpinTimer(bool armed) {
  autoSpinTimerArmed_ = armed;
  controls_.SetAutoSpinTimer(armed);
}

void Machine::PutStripsOnWheels() { InstallStrips(state_); }

void Machine::SelectSpeed(int speed) {
  const int delay = timings::SpinDelayForSpeed(speed);
  if (delay == 0) return;
  spinDelay_ = delay;
  controls_.SetSpeedMark(speed);
  settings_.Speed = static_cast<std::uint8_t>(speed);
}

bool Machine::ChooseCoinValue(int bet) {
  if (!MayLeaveGame() || bet < 0 || bet >= CoinValueCount) return false;
  // Only a game with at least one paid spin may change its coin value.
  if (state_.Spins <= 0) return false;
  state_.PowerPts = 0;
  state_.CoinValue = CoinValues[static_cast<std::size_t>(bet)];
  SeedPool();
  controls_.SetBetAmountMark(-1);
  ReturnWager();
  state_.LastBet = 0;
  controls_.SetBetAmountMark(bet);
  settings_.Bet = static_cast<std::uint8_t>(bet);
  KeepGame();
  return true;
}

void Machine::ApplyLoadedBet() {
  if (settings_.Bet < CoinValueCount) {
    controls_.SetBetAmountMark(settings_.Bet);
    state_.CoinValue = CoinValues[settings_.Bet];
  } else {
    controls_.SetBetAmountMark(-1);
  }
}

bool Machine::NewGame() {
  if (!MayLeaveGame()) return false;
  SeedPool();
  state_.Wager = 0;
  state_.LastBet = 0;
  state_.Spins = 0;
  state_.FreeSpinsPlayed = 0;
  state_.PowerPts = 0;
  state_.WinAmount = 0;
  state_.Credits = NewGameCredits;
  state_.Borrowed = state_.Credits;
  // Nothing of the old game's last spin stays on the face.
  ClearLineResults(state_);
  DealLineBets(state_, 0);
  // The totals, the plays and the chart are the new game's own.
  state_.Statistics = {};
  state_.History.Clear();
  state_.Chart.Start(state_.Credits);
  KeepGame();
  return true;
}

bool Machine::ReturnWager() {
  if (busy_) return false;
  state_.Credits = money::Add(state_.Credits, state_.Wager);
  state_.Wager = 0;
  return true;
}

MoneyMove Machine::Borrow(double amount) {
  if (busy_) return MoneyMove::Busy;
  // Only what fits below the money limit on both sides is lent, so the
  // credits and the debt always move by the same amount.
  const std::int64_t creditRoom = money::LargestCents - money::ToCents(state_.Credits);
  const std::int64_t debtRoom = money::LargestCents - money::ToCents(state_.Borrowed);
  const std::int64_t asked = money::ToCents(amount);
  const std::int64_t cents = std::min({asked, creditRoom, debtRoom});
  if (cents <= 0) return MoneyMove::Done;
  const double lent = money::FromCents(cents);
  if (cents < asked)
    controls_.ShowAmountMessage(
        QT_TRANSLATE_NOOP("Machine",
                          "Only %1 could be lent: your credits or your debt would have gone past "
                          "the money limit."),
        lent);
  state_.Credits = money::Add(state_.Credits, lent);
  state_.Borrowed = money::Add(state_.Borrowed, lent);
  state_.Statistics.AddBorrowed(lent);
  state_.Chart.AddMove(chart_mark::Loan, state_.Credits, state_.Statistics);
  KeepGame();
  return MoneyMove::Done;
}

MoneyMove Machine::PayBack(double amount) {
  if (busy_) return MoneyMove::Busy;
  if (money::Less(state_.Credits, amount)) return MoneyMove::NotEnoughCredits;
  if (money::Less(state_.Borrowed, amount)) return MoneyMove::MoreThanBorrowed;
  const double paid = money::Round(amount);
  state_.Credits = money::Sub(state_.Credits, paid);
  state_.Borrowed = money::Sub(state_.Borrowed, paid);
  state_.Statistics.AddPaidBack(paid);
  state_.Chart.AddMove(chart_mark::PayBack, state_.Credits, state_.Statistics);
  KeepGame();
  return MoneyMove::Done;
}

bool Machine::OpenGame(const GameSnapshot& saved) {
  if (!MayLeaveGame()) return false;
  // Coins on the table belong to the game being left, and go with it.
  ReturnWager();
  state_.Credits = money::Round(saved.Credits);
  state_.Borrowed = money::Round(saved.Borrowed);
  state_.Spins = saved.Spins;
  state_.BonusPool = money::Round(saved.BonusPool);
  state_.FreeSpinsPlayed = saved.FreeSpinsPlayed;
  state_.PowerPts = saved.PowerPts;
  KeepWithinRules(state_);
  state_.WinAmount = 0;
  ClearLineResults(state_);
  // A slot keeps no plays: the list, the totals and the chart are the opened
  // game's own.
  state_.Statistics = {};
  state_.History.Clear();
  state_.Chart.Start(state_.Credits);
  KeepGame();
  return true;
}

void Machine::ResumeGame() {
  if (state_.Wager > 0) state_.Credits = money::Add(state_.Credits, state_.Wager);
  state_.Wager = 0;
  if (state_.FreeSpinsPlayed < 0) state_.FreeSpinsPlayed = 0;
  KeepWithinRules(state_);
  const std::int64_t coin = money::ToCents(state_.CoinValue);
  const std::int64_t bet = money::ToCents(state_.LastBet);
  const bool wholeCoins = coin > 0 && bet > 0 && bet % coin == 0 && bet / coin <= MaxCoins;
  if (state_.FreeSpins < 1 || state_.FreeSpins > FreeSpinsPerBonus || !wholeCoins) {
    // Outside a free-spin round a game starts with no last bet.
    state_.FreeSpins = 0;
    state_.LastBet = 0;
    return;
  }
  PutStripsOnWheels();
  ArmAutoSpinTimer(true);
}
