// SPDX-License-Identifier: GPL-3.0-or-later
#include "Machine.h"

#include <algorithm>
#include <cmath>
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

// A file may hold what the rules never leave at rest: a meter at or past
// full (its bonus would have been paid) or below empty, a pool below nothing.
// Each is read as the nearest value a game at rest can have.
void KeepWithinRules(GameState& game) {
  game.PowerPts = std::clamp(game.PowerPts, 0, FullPower - 1);
  if (game.BonusPool < 0) game.BonusPool = 0;
  if (game.Credits < 0) game.Credits = 0;
  if (game.Borrowed < 0) game.Borrowed = 0;
}

// The nearest bet of whole coins from `fewest` to MaxCoins coins at the game's coin value.
double NearestBet(double amount, double coinValue, int fewest) {
  const std::int64_t coin = money::ToCents(coinValue);
  if (coin <= 0) return 0;
  const std::int64_t coins =
      std::llround(static_cast<double>(money::ToCents(amount)) / static_cast<double>(coin));
  return money::FromCents(std::clamp<std::int64_t>(coins, fewest, MaxCoins) * coin);
}

// A game begun or opened has records of its own: the totals, the plays and
// the chart start from its credits (a slot keeps none of them).
void StartRecordsAfresh(GameState& game) {
  game.Statistics = {};
  game.History.Clear();
  game.Chart.Start(game.Credits);
}

}  // namespace

GameSnapshot SnapshotOfGame(const GameState& game) {
  GameSnapshot saved;
  saved.Credits = money::Add(game.Credits, game.Wager);
  saved.Borrowed = game.Borrowed;
  saved.BonusPool = game.BonusPool;
  saved.Spins = game.Spins;
  saved.FreeSpinsPlayed = game.FreeSpinsPlayed;
  saved.PowerPts = game.PowerPts;
  return saved;
}

Machine::Machine(Settings& settings, GameClock& clock, RandomSource& random)
    : settings_(settings),
      clock_(clock),
      random_(random),
      blur_(static_cast<std::uint64_t>(random.Below(1 << 30))) {}

CommandResult Machine::PlanEnded() {
  CommandResult result;
  if (!busy_) return result;
  busy_ = false;
  beforePlan_.reset();
  // Told once the spin has been seen, not over its wheels.
  if (limitNote_) {
    result.message = QT_TRANSLATE_NOOP("Machine",
                                       "Your credits are at the money limit: only %1 of this win "
                                       "went in, the rest could not be added.");
    result.messageAmount = *limitNote_;
    limitNote_.reset();
  }
  if (planSpins_ && (autoSpin_ || state_.FreeSpins >= 1)) TickAutoSpin(true, result);
  planSpins_ = false;
  result.done = true;
  return result;
}

void Machine::DropPlan(bool spinShown) {
  if (!busy_) return;
  busy_ = false;
  planSpins_ = false;
  limitNote_.reset();
  if (!spinShown && beforePlan_) state_ = *beforePlan_;
  beforePlan_.reset();
}

CommandResult Machine::Decide(const std::function<bool(PlanWriter&, GameState&)>& body) {
  CommandResult result;
  Plan& plan = result.plan;
  GameState shown = state_;
  PlanWriter out(plan, shown, watched_);
  out.GameCommands(false);
  result.done = body(out, shown);
  out.GameCommands(true);
  if (!result.done) {
    // Refused: nothing is played, and the game rests as the refusal left it
    // (the last spin's lines cleared).
    state_ = shown;
    result.plan = {};
    return result;
  }
  beforePlan_ = state_;
  state_ = plan.spins ? *plan.settled : shown;
  busy_ = true;
  planSpins_ = plan.spins;
  return result;
}

CommandResult Machine::Bet1() {
  // A coin placed between free spins would be neither played nor returned.
  if (busy_ || state_.FreeSpins > 0) return {};
  CommandResult result = Decide([this](PlanWriter& out, GameState& shown) {
    ClearLineResults(shown);
    out.Show();
    if (money::Less(shown.Credits, shown.CoinValue)) return false;
    PlaceCoin(out, shown);
    // The last coin spins; placed coins are never refused.
    CommandResult placed;
    if (!money::Less(shown.Wager, MaxWager(shown))) RunSpin(out, shown, placed);
    return true;
  });
  if (result.done && !result.plan.spins) result.keep = KeepWhen::Soon;
  return result;
}

CommandResult Machine::BetMax() {
  if (busy_ || state_.FreeSpins > 0) return {};
  CommandResult result;
  CommandResult decided = Decide([&](PlanWriter& out, GameState& shown) {
    ClearLineResults(shown);
    out.Show();
    const double missing = money::Sub(MaxWager(shown), shown.Wager);
    if (money::Less(shown.Credits, missing)) return false;
    while (money::Less(shown.Wager, MaxWager(shown))) {
      PlaceCoin(out, shown);
      out.Pause(timings::BetMaxCoinPause);
    }
    return RunSpin(out, shown, result);
  });
  decided.message = result.message;
  decided.autoSpinMark = result.autoSpinMark;
  return decided;
}

CommandResult Machine::Spin() {
  if (busy_) return {};
  CommandResult result;
  CommandResult decided =
      Decide([&](PlanWriter& out, GameState& shown) { return RunSpin(out, shown, result); });
  decided.message = result.message;
  decided.autoSpinMark = result.autoSpinMark;
  return decided;
}

void Machine::PlaceCoin(PlanWriter& out, GameState& shown) {
  shown.Wager = money::Add(shown.Wager, shown.CoinValue);
  out.Lamps(shown.Wager);
  out.Money(MoneyReadout::Credits, money::Sub(shown.Credits, shown.CoinValue));
  out.Money(MoneyReadout::Wager, shown.Wager);
  out.Sound(SoundEvent::seCoins);
}

bool Machine::RunSpin(PlanWriter& out, GameState& shown, CommandResult& refused) {
  ClearLineResults(shown);
  out.Show();
  switch (CheckStake(shown)) {
    case SpinRefusal::NoBet:
      refused.message = QT_TRANSLATE_NOOP("Machine", "Please place a bet before spinning.");
      return false;
    case SpinRefusal::ShortOfCredits:
      SetAutoSpin(false, refused);
      refused.message = QT_TRANSLATE_NOOP(
          "Machine",
          "You do not have enough credits to bet the same amount as you last spin; "
          "you better borrow some credits!.");
      return false;
    case SpinRefusal::None:
      break;
  }
  const GameState staked = StakeSpin(shown);
  // Decided and kept before the wheels turn: a game killed from here on
  // finds this spin settled when it starts again, never the bet given back.
  const SpinOutcome outcome = DecideSpin(staked, DrawLocks(random_), clock_.UnixTime());
  NoteMoneyLimit(outcome);
  ShowSpin(out, staked, outcome, shown);
  out.Spins();
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

void Machine::ShowSpin(PlanWriter& out, const GameState& staked, const SpinOutcome& outcome,
                       GameState& shown) {
  // The bet.
  if (shown.FreeSpins > 0) {
    out.Count(CountReadout::SpinFree, shown.FreeSpins - 1);
    out.Lamps(staked.Wager);
  } else {
    if (money::IsZero(shown.Wager)) {
      out.Lamps(staked.Wager);
      out.Money(MoneyReadout::Credits, staked.Credits);
      out.Money(MoneyReadout::Wager, staked.Wager);
    }
    out.Money(MoneyReadout::Bonus, staked.BonusPool);
  }
  out.Blinking(false);
  if (shown.FreeSpins > 0)
    out.Count(CountReadout::FreeSpinsPlayed, staked.FreeSpinsPlayed);
  else
    out.Count(CountReadout::Spins, staked.Spins);
  shown = staked;

  // The spin.
  out.Keep(outcome.settled);
  out.Buttons(false);
  AnimateWheels(out, outcome.locks, shown);
  ShowLineResults(out, outcome, shown);
  if (outcome.win > 0) out.CountUp(MoneyReadout::Won, outcome.win, CountPace::Win);
  ShowMeterMove(out, outcome);
  out.Buttons(true);
  out.FocusSpin();
  if (outcome.bonus) {
    out.Sound(SoundEvent::seBonus);
    out.CountUp(MoneyReadout::Bonus, staked.BonusPool, CountPace::Bonus);
  }

  // At rest: everything the face shows from here on is the settled game.
  shown = outcome.settled;
  if (outcome.bonus || outcome.roundEnds) {
    // The strip on the wheels changes.
    out.Show();
    out.Repaint();
  }
  out.Show();
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
  out.Blinking(true);
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

void Machine::ShowMeterMove(PlanWriter& out, const SpinOutcome& outcome) {
  if (outcome.meterMove == MeterMove::None) return;
  const bool rising = outcome.meterMove == MeterMove::Rising;
  out.Sound(rising ? SoundEvent::sePowerUp : SoundEvent::sePowerDrain);
  out.Meter(rising, outcome.meterAfterMove);
}

void Machine::SeedPool() { state_.BonusPool = SeededPool(state_.CoinValue); }

CommandResult Machine::AutoSpinTick() {
  // A tick that arrives during a plan is dropped; the plan's end starts the
  // ticks again if auto spin or free spins call for it.
  if (busy_) return {};
  const bool autoSpinCanPay =
      autoSpin_ && state_.LastBet > 0 && !money::Less(state_.Credits, state_.LastBet);
  CommandResult result;
  if (autoSpinCanPay || state_.FreeSpins > 0)
    result = Spin();
  else
    SetAutoSpin(false, result);
  // The ticks stop for the spin; its end starts them again.
  TickAutoSpin(false, result);
  return result;
}

CommandResult Machine::ToggleAutoSpin() {
  CommandResult result;
  SetAutoSpin(!autoSpin_, result);
  TickAutoSpin(!autoSpinTicking_, result);
  result.done = true;
  return result;
}

CommandResult Machine::StopAutoSpin() {
  CommandResult result;
  TickAutoSpin(false, result);
  result.done = true;
  return result;
}

void Machine::SetAutoSpin(bool on, CommandResult& result) {
  autoSpin_ = on;
  result.autoSpinMark = on;
}

void Machine::TickAutoSpin(bool on, CommandResult& result) {
  autoSpinTicking_ = on;
  result.autoSpinTicks = on;
}

void Machine::PutStripsOnWheels() { InstallStrips(state_); }

CommandResult Machine::SelectSpeed(int speed) {
  CommandResult result;
  const int delay = timings::SpinDelayForSpeed(speed);
  if (delay == 0) return result;
  spinDelay_ = delay;
  result.speedMark = speed;
  settings_.Speed = static_cast<std::uint8_t>(speed);
  result.done = true;
  return result;
}

CommandResult Machine::ChooseCoinValue(int bet) {
  CommandResult result;
  if (!MayLeaveGame() || bet < 0 || bet >= CoinValueCount) return result;
  // Only a game with at least one paid spin may change its coin value.
  if (state_.Spins <= 0) return result;
  state_.PowerPts = 0;
  state_.CoinValue = CoinValues[static_cast<std::size_t>(bet)];
  SeedPool();
  ReturnWager();
  state_.LastBet = 0;
  result.coinValueMark = bet;
  settings_.Bet = static_cast<std::uint8_t>(bet);
  result.keep = KeepWhen::Now;
  result.done = true;
  return result;
}

CommandResult Machine::ApplyLoadedBet() {
  CommandResult result;
  result.done = true;
  if (settings_.Bet < CoinValueCount) {
    result.coinValueMark = settings_.Bet;
    state_.CoinValue = CoinValues[settings_.Bet];
  } else {
    result.coinValueMark = -1;
  }
  return result;
}

CommandResult Machine::NewGame() {
  CommandResult result;
  if (!MayLeaveGame()) return result;
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
  StartRecordsAfresh(state_);
  result.keep = KeepWhen::Now;
  result.done = true;
  return result;
}

bool Machine::ReturnWager() {
  if (busy_) return false;
  state_.Credits = money::Add(state_.Credits, state_.Wager);
  state_.Wager = 0;
  return true;
}

CommandResult Machine::Borrow(double amount) {
  CommandResult result;
  result.money = MoneyMove::Busy;
  if (busy_) return result;
  result.money = MoneyMove::Done;
  result.done = true;
  // Only what fits below the money limit on both sides is lent, so the
  // credits and the debt always move by the same amount.
  const std::int64_t creditRoom = money::LargestCents - money::ToCents(state_.Credits);
  const std::int64_t debtRoom = money::LargestCents - money::ToCents(state_.Borrowed);
  const std::int64_t asked = money::ToCents(amount);
  const std::int64_t cents = std::min({asked, creditRoom, debtRoom});
  if (cents <= 0) return result;
  const double lent = money::FromCents(cents);
  if (cents < asked) {
    result.message = QT_TRANSLATE_NOOP("Machine",
                                       "Only %1 could be lent: your credits or your debt would "
                                       "have gone past the money limit.");
    result.messageAmount = lent;
  }
  state_.Credits = money::Add(state_.Credits, lent);
  state_.Borrowed = money::Add(state_.Borrowed, lent);
  state_.Statistics.AddBorrowed(lent);
  state_.Chart.AddMove(chart_mark::Loan, state_.Credits, state_.Statistics);
  result.keep = KeepWhen::Now;
  return result;
}

CommandResult Machine::PayBack(double amount) {
  CommandResult result;
  result.money = MoneyMove::Busy;
  if (busy_) return result;
  result.money = MoneyMove::NotEnoughCredits;
  if (money::Less(state_.Credits, amount)) return result;
  result.money = MoneyMove::MoreThanBorrowed;
  if (money::Less(state_.Borrowed, amount)) return result;
  const double paid = money::Round(amount);
  state_.Credits = money::Sub(state_.Credits, paid);
  state_.Borrowed = money::Sub(state_.Borrowed, paid);
  state_.Statistics.AddPaidBack(paid);
  state_.Chart.AddMove(chart_mark::PayBack, state_.Credits, state_.Statistics);
  result.money = MoneyMove::Done;
  result.keep = KeepWhen::Now;
  result.done = true;
  return result;
}

CommandResult Machine::OpenGame(const GameSnapshot& saved) {
  CommandResult result;
  if (!MayLeaveGame()) return result;
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
  StartRecordsAfresh(state_);
  result.keep = KeepWhen::Now;
  result.done = true;
  return result;
}

CommandResult Machine::ResumeGame() {
  CommandResult result;
  result.done = true;
  // What the file holds is read as the nearest the game could have written:
  // coins on the table are 0 to 25 whole coins, a round has up to seven free
  // spins of 1 to 25 whole coins.
  KeepWithinRules(state_);
  state_.Credits = money::Add(state_.Credits, NearestBet(state_.Wager, state_.CoinValue, 0));
  state_.Wager = 0;
  if (state_.FreeSpinsPlayed < 0) state_.FreeSpinsPlayed = 0;
  state_.FreeSpins = std::clamp(state_.FreeSpins, 0, FreeSpinsPerBonus);
  if (state_.FreeSpins == 0 || money::ToCents(state_.CoinValue) <= 0) {
    // Outside a free-spin round a game starts with no last bet.
    state_.FreeSpins = 0;
    state_.LastBet = 0;
    return result;
  }
  state_.LastBet = NearestBet(state_.LastBet, state_.CoinValue, 1);
  PutStripsOnWheels();
  TickAutoSpin(true, result);
  return result;
}
