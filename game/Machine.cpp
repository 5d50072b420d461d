// SPDX-License-Identifier: GPL-3.0-or-later
#include "Machine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "Money.h"
#include "Paylines.h"
#include "Reels.h"
#include "SpinPlan.h"
#include "Timings.h"
#include "TranslatableText.h"

namespace {

double MaxWager(const GameState& state) { return money::Times(state.CoinValue, MaxCoins); }

// A file may hold what the rules never leave between spins: a meter at or past
// full (its bonus would have been paid) or below empty, a pool below nothing.
// Each is read as the nearest value the idle game can have.
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
// the chart start from its credits (a slot saves none of them).
void StartRecordsAfresh(GameState& game) {
  game.Statistics = {};
  game.History.Clear();
  game.Chart.Start(game.Credits);
}

}  // namespace

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
  if (planSpins_ && (autoSpin_ || InFreeSpinRound())) TickAutoSpin(true, result);
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

CommandResult Machine::Bet1() {
  // A coin placed between free spins would be neither played nor returned.
  if (busy_ || InFreeSpinRound()) return {};
  BetDecision bet = StartBet(state_, true);
  if (money::Less(bet.afterCoins.Credits, bet.afterCoins.CoinValue)) return Refuse(bet, {});
  PlaceCoin(bet);
  // The last coin spins; coins on the table are never refused.
  CommandResult result = Play(bet, !money::Less(bet.afterCoins.Wager, MaxWager(bet.afterCoins)));
  if (result.done && !result.plan.spins) result.save = SaveWhen::Soon;
  return result;
}

CommandResult Machine::BetMax() {
  if (busy_ || InFreeSpinRound()) return {};
  BetDecision bet = StartBet(state_, true);
  bet.pauseAfterEachCoin = true;
  const double missing = money::Sub(MaxWager(bet.before), bet.before.Wager);
  if (money::Less(bet.before.Credits, missing)) return Refuse(bet, {});
  while (money::Less(bet.afterCoins.Wager, MaxWager(bet.afterCoins))) PlaceCoin(bet);
  return Play(bet, true);
}

CommandResult Machine::Spin() {
  if (busy_) return {};
  BetDecision bet = StartBet(state_, false);
  return Play(bet, true);
}

CommandResult Machine::Refuse(const BetDecision& bet, CommandResult refusal) {
  // Nothing is played, and the game stays as the refusal left it (the last
  // spin's lines cleared).
  state_ = bet.afterCoins;
  refusal.done = false;
  refusal.plan = {};
  return refusal;
}

CommandResult Machine::Play(BetDecision& bet, bool spins) {
  if (spins) {
    if (std::optional<CommandResult> refusal = DecideBetSpin(bet))
      return Refuse(bet, std::move(*refusal));
  }
  CommandResult result;
  result.done = true;
  result.plan = WriteBetPlan(bet, {watched_, spinDelay_}, random_, blur_);
  beforePlan_ = state_;
  state_ = bet.spin ? bet.spin->outcome.settled : bet.afterCoins;
  busy_ = true;
  planSpins_ = bet.spin.has_value();
  return result;
}

std::optional<CommandResult> Machine::DecideBetSpin(BetDecision& bet) {
  CommandResult refused;
  switch (CheckStake(bet.afterCoins)) {
    case SpinRefusal::NoBet:
      refused.message = QT_TRANSLATE_NOOP("Machine", "Please place a bet before spinning.");
      return refused;
    case SpinRefusal::ShortOfCredits:
      SetAutoSpin(false, refused);
      refused.message = QT_TRANSLATE_NOOP(
          "Machine",
          "You do not have enough credits to bet the same amount as you last spin; "
          "you better borrow some credits!.");
      return refused;
    case SpinRefusal::None:
      break;
  }
  DecidedSpin spin;
  spin.staked = StakeSpin(bet.afterCoins);
  // Decided and saved before the wheels turn: a game killed from here on
  // finds this spin settled when it starts again, never the bet given back.
  spin.outcome = DecideSpin(spin.staked, DrawLocks(random_), clock_.UnixTime());
  NoteMoneyLimit(spin.outcome);
  bet.spin = std::move(spin);
  return std::nullopt;
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

void Machine::SeedPool() { state_.BonusPool = SeededPool(state_.CoinValue); }

CommandResult Machine::AutoSpinTick() {
  // A tick that arrives during a plan is dropped; the plan's end starts the
  // ticks again if auto spin or free spins call for it.
  if (busy_) return {};
  const bool autoSpinCanPay =
      autoSpin_ && state_.LastBet > 0 && !money::Less(state_.Credits, state_.LastBet);
  CommandResult result;
  if (autoSpinCanPay || InFreeSpinRound())
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
  result.save = SaveWhen::Now;
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
  result.save = SaveWhen::Now;
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
  result.save = SaveWhen::Now;
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
  result.save = SaveWhen::Now;
  result.done = true;
  return result;
}

CommandResult Machine::OpenGame(const GameSnapshot& saved) {
  CommandResult result;
  if (!MayLeaveGame()) return result;
  // Coins on the table belong to the game being left, and go with it.
  ReturnWager();
  PutSnapshotInGame(saved, state_);
  KeepWithinRules(state_);
  state_.WinAmount = 0;
  ClearLineResults(state_);
  StartRecordsAfresh(state_);
  result.save = SaveWhen::Now;
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
