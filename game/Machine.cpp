// SPDX-License-Identifier: GPL-3.0-or-later
#include "Machine.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "Money.h"
#include "Paylines.h"
#include "Reels.h"
#include "Timings.h"

namespace {

constexpr int StopSoundSteps[] = {59, 79, 99};
constexpr double PoolShareOfMaxBet = 0.04;  // one coin of a 25-coin wager

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

}  // namespace

class Machine::BusyScope {
 public:
  explicit BusyScope(Machine& machine) : machine_(machine) {
    if (machine_.busyDepth_++ == 0) machine_.controls_.SetGameCommandsEnabled(false);
  }
  ~BusyScope() {
    if (--machine_.busyDepth_ == 0) {
      machine_.hurry_ = false;
      machine_.controls_.SetGameCommandsEnabled(true);
    }
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Machine& machine_;
};

Machine::Machine(GameState& state, Settings& settings, FaceView& face, ControlsView& controls,
                 GameClock& clock, RandomSource& random)
    : state_(state),
      settings_(settings),
      face_(face),
      controls_(controls),
      clock_(clock),
      random_(random),
      blur_(static_cast<std::uint64_t>(random.Below(1 << 30))) {}

void Machine::Bet1() {
  // A coin placed between free spins would be neither played nor returned.
  if (IsBusy() || state_.FreeSpins > 0) return;
  BusyScope busy(*this);
  ClearLineResults(state_);
  if (money::Less(state_.Credits, state_.CoinValue)) return;
  state_.Wager = money::Add(state_.Wager, state_.CoinValue);
  DealAndShowLamps(state_.Wager);
  state_.Credits = money::Sub(state_.Credits, state_.CoinValue);
  ShowCredits();
  face_.DrawMoneyReadout(MoneyReadout::Wager, state_.Wager);
  PlaySound(SoundEvent::seCoins);
  if (!money::Less(state_.Wager, MaxWager(state_)))
    RunSpin();
  else
    controls_.KeepGameSoon(state_);
}

void Machine::BetMax() {
  if (IsBusy() || state_.FreeSpins > 0) return;
  BusyScope busy(*this);
  ClearLineResults(state_);
  const double missing = money::Sub(MaxWager(state_), state_.Wager);
  if (money::Less(state_.Credits, missing)) return;
  StartPacing();
  while (money::Less(state_.Wager, MaxWager(state_))) {
    state_.Credits = money::Sub(state_.Credits, state_.CoinValue);
    state_.Wager = money::Add(state_.Wager, state_.CoinValue);
    DealAndShowLamps(state_.Wager);
    ShowCredits();
    face_.DrawMoneyReadout(MoneyReadout::Wager, state_.Wager);
    PlaySound(SoundEvent::seCoins);
    Pause(timings::BetMaxCoinPause);
  }
  RunSpin();
}

void Machine::Spin() {
  if (IsBusy()) return;
  BusyScope busy(*this);
  RunSpin();
}

void Machine::RunSpin() {
  ClearLineResults(state_);
  if (!TakeBet()) return;

  controls_.SetBlinkTimer(false);
  if (state_.FreeSpins > 0) {
    CountOne(state_.FreeSpinsPlayed);
    face_.DrawCountReadout(CountReadout::FreeSpinsPlayed, state_.FreeSpinsPlayed);
  } else {
    CountOne(state_.Spins);
    face_.DrawCountReadout(CountReadout::Spins, state_.Spins);
  }
  // Decided and kept before the wheels turn: a game killed from here on
  // finds this spin settled when it starts again, never the bet given back.
  SpinOutcome outcome = DecideSpin(state_, DrawLocks(random_), clock_.UnixTime());
  controls_.KeepGame(outcome.settled);
  controls_.SetButtonsEnabled(false);
  AnimateWheels(outcome.locks);

  ComputeWindow(state_);
  ShowLineResults(outcome);
  if (state_.WinAmount > 0) CountWin();
  ShowMeterMove(outcome);
  controls_.SetButtonsEnabled(true);
  controls_.FocusSpinButton();
  state_.LastBet = state_.Wager;
  state_.Wager = 0;

  if (state_.FreeSpins >= 1)
    SettleFreeSpin();
  else if (outcome.bonus)
    AwardBonus();
  state_.History = std::move(outcome.settled.History);
  state_.Statistics = outcome.settled.Statistics;

  if (autoSpin_ || state_.FreeSpins >= 1) ArmAutoSpinTimer(true);
}

bool Machine::TakeBet() {
  if (state_.FreeSpins > 0) {
    // A free spin plays the last bet again on the same lines, at no cost.
    face_.DrawCountReadout(CountReadout::SpinFree, state_.FreeSpins - 1);
    state_.Wager = state_.LastBet;
    DealAndShowLamps(state_.LastBet);
    return true;
  }
  if (!money::IsZero(state_.Wager)) {
    // Coins placed with "Bet 1" or "Bet Max" have already left the credits.
    AddToPoolForMaxBet();
    return true;
  }
  if (state_.LastBet <= 0) {
    controls_.ShowMessage("Please place a bet before spinning.");
    return false;
  }
  if (money::Less(state_.Credits, state_.LastBet)) {
    SetAutoSpin(false);
    controls_.ShowMessage(
        "You do not have enough credits to bet the same amount as you last spin; "
        "you better borrow some credits!.");
    return false;
  }
  DealAndShowLamps(state_.LastBet);
  state_.Wager = state_.LastBet;
  state_.Credits = money::Sub(state_.Credits, state_.LastBet);
  ShowCredits();
  face_.DrawMoneyReadout(MoneyReadout::Wager, state_.Wager);
  AddToPoolForMaxBet();
  return true;
}

void Machine::AddToPoolForMaxBet() {
  if (!money::Less(state_.Wager, MaxWager(state_)))
    state_.BonusPool = money::Add(state_.BonusPool, money::Times(state_.Wager, PoolShareOfMaxBet));
  face_.DrawMoneyReadout(MoneyReadout::Bonus, state_.BonusPool);
}

void Machine::AnimateWheels(const std::array<int, 3>& locks) {
  if (Hurrying()) {
    StopWheelsAtOnce(locks);
    return;
  }
  std::array<int, 3> positions{state_.Stops[0], state_.Stops[1], state_.Stops[2]};
  std::int64_t mark = clock_.TickCount();
  for (int step = 1; step <= AnimationSteps; ++step) {
    if (!Hurrying()) {
      // Steps keep to the schedule; only a step that is late by a whole
      // step's time or more starts the schedule afresh, so that the wheels
      // never race to catch up.
      const std::int64_t due = mark + spinDelay_;
      clock_.WaitUntil(due);
      const std::int64_t now = clock_.TickCount();
      mark = now - due < spinDelay_ ? due : now;
    }
    for (std::size_t wheel = 0; wheel < 3; ++wheel) {
      auto& position = positions[wheel];
      // The lock was drawn when the spin was decided; the other steps draw
      // only the blur.
      const int wheelIndex = static_cast<int>(wheel);
      position = step == Schedules[wheel].lockStep
                     ? locks[wheel]
                     : PositionAtStep(wheelIndex, step, position, random_, blur_);
    }
    if (!Hurrying()) face_.ShowWheels(positions);
    if (IsStopSoundStep(step))
      PlaySound(SoundEvent::seStop);
    else if (IsClickStep(step, spinDelay_))
      PlaySound(SoundEvent::seSlotSpin);
  }
  for (std::size_t wheel = 0; wheel < 3; ++wheel) state_.Stops[wheel] = positions[wheel];
  controls_.SetBlinkTimer(true);
}

void Machine::StopWheelsAtOnce(const std::array<int, 3>& locks) {
  for (std::size_t wheel = 0; wheel < 3; ++wheel)
    state_.Stops[wheel] = RestingStop(static_cast<int>(wheel), locks[wheel]);
  controls_.SetBlinkTimer(true);
}

void Machine::ShowLineResults(const SpinOutcome& outcome) {
  state_.LinePay = outcome.settled.LinePay;
  for (int line = 0; line < LineCount; ++line)
    if (state_.LinePay[static_cast<std::size_t>(line)] > 0) face_.DrawPayline(line);
  if (outcome.win > 0) {
    state_.WinAmount = outcome.win;
    face_.DrawMoneyReadout(MoneyReadout::Won, state_.WinAmount);
    PlaySound(SoundEvent::seWin);
    DealAndShowLamps(state_.Wager);
  } else {
    PlaySound(SoundEvent::seLose);
  }
}

void Machine::CountWin() {
  CountIntoCredits(state_.WinAmount, MoneyReadout::Won, timings::WinCountPause);
}

void Machine::CountIntoCredits(double& source, MoneyReadout readout, int (*pauseFor)(double)) {
  StartPacing();
  // Everything is counted, a last part of a coin included, so nothing stays
  // behind and an amount that is not a whole number of coins never goes
  // below zero.
  while (money::ToCents(source) > 0) {
    if (Hurrying()) {
      // Nobody watches the coins go by: the rest in one move.
      state_.Credits = money::Add(state_.Credits, source);
      source = 0;
      ShowCredits();
      face_.DrawMoneyReadout(readout, source);
      return;
    }
    const double coinsLeft = money::CoinsLeft(source, state_.CoinValue);
    const double coin = std::min(state_.CoinValue, source);
    state_.Credits = money::Add(state_.Credits, coin);
    source = money::Sub(source, coin);
    ShowCredits();
    face_.DrawMoneyReadout(readout, source);
    PlaySound(SoundEvent::seCredits);
    Pause(pauseFor(coinsLeft));
  }
}

void Machine::ShowMeterMove(const SpinOutcome& outcome) {
  if (outcome.meterMove == MeterMove::None) return;
  const bool rising = outcome.meterMove == MeterMove::Rising;
  PlaySound(rising ? SoundEvent::sePowerUp : SoundEvent::sePowerDrain);
  state_.PowerPts = outcome.meterAfterMove;
  face_.DrawPowerMeter(rising);
}

void Machine::SettleFreeSpin() {
  --state_.FreeSpins;
  state_.PowerPts = 0;
  if (state_.FreeSpins == 0) {
    SeedPool();
    SwitchToNormalStrip(state_);
    face_.RepaintMachine();
  }
}

void Machine::AwardBonus() {
  PlaySound(SoundEvent::seBonus);
  CountIntoCredits(state_.BonusPool, MoneyReadout::Bonus, timings::BonusCountPause);
  state_.FreeSpins = FreeSpinsPerBonus;
  state_.PowerPts = 0;
  SwitchToFreeSpinStrip(state_);
  face_.RepaintMachine();
}

void Machine::SeedPool() { state_.BonusPool = SeededPool(state_.CoinValue); }

void Machine::DealAndShowLamps(double amount) {
  DealLineBets(state_, amount);
  face_.DrawLineLamps(money::CoinsIn(amount, state_.CoinValue));
}

void Machine::ShowCredits() { face_.DrawMoneyReadout(MoneyReadout::Credits, state_.Credits); }

void Machine::PlaySound(SoundEvent event) {
  if (!Hurrying()) controls_.PlayEventSound(event);
}

void Machine::StartPacing() { paceMark_ = clock_.TickCount(); }

void Machine::Pause(int ms) {
  if (Hurrying()) return;
  // Each pause ends a fixed time after the one before, so the drawing and
  // the late wake-ups in between do not add up over thousands of coins.
  // A pause that overran by a whole pause or more starts afresh.
  const std::int64_t due = paceMark_ + ms;
  clock_.WaitUntil(due);
  const std::int64_t now = clock_.TickCount();
  paceMark_ = now - due < ms ? due : now;
}

void Machine::AutoSpinTick() {
  // A tick that arrives during a spin is dropped; the spin arms the timer
  // again when it ends if auto spin or free spins call for it.
  if (IsBusy()) return;
  const bool autoSpinCanPay =
      autoSpin_ && state_.LastBet > 0 && !money::Less(state_.Credits, state_.LastBet);
  ArmAutoSpinTimer(false);
  if (autoSpinCanPay || state_.FreeSpins > 0)
    Spin();
  else
    SetAutoSpin(false);
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
  if (IsBusy() || bet < 0 || bet >= CoinValueCount) return false;
  // Only a game with at least one paid spin may change its coin value.
  if (state_.Spins <= 0) return false;
  state_.PowerPts = 0;
  state_.CoinValue = CoinValues[static_cast<std::size_t>(bet)];
  SeedPool();
  ApplyCoinValueChange();
  controls_.SetBetAmountMark(bet);
  settings_.Bet = static_cast<std::uint8_t>(bet);
  KeepGame();
  return true;
}

void Machine::ApplyCoinValueChange() {
  controls_.SetBetAmountMark(-1);
  ReturnWager();
  state_.LastBet = 0;
  face_.RepaintMachine();
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
  if (IsBusy()) return false;
  SeedPool();
  state_.Wager = 0;
  state_.LastBet = 0;
  state_.Spins = 0;
  state_.FreeSpinsPlayed = 0;
  state_.PowerPts = 0;
  state_.Credits = NewGameCredits;
  state_.Borrowed = state_.Credits;
  // The plays stay on record; the totals are the new game's own.
  state_.Statistics = {};
  face_.RepaintMachine();
  KeepGame();
  return true;
}

bool Machine::ReturnWager() {
  if (IsBusy()) return false;
  state_.Credits = money::Add(state_.Credits, state_.Wager);
  state_.Wager = 0;
  return true;
}

MoneyMove Machine::Borrow(double amount) {
  if (IsBusy()) return MoneyMove::Busy;
  // Only what fits below the money limit on both sides is lent, so the
  // credits and the debt always move by the same amount.
  const std::int64_t creditRoom = money::LargestCents - money::ToCents(state_.Credits);
  const std::int64_t debtRoom = money::LargestCents - money::ToCents(state_.Borrowed);
  const std::int64_t cents = std::min({money::ToCents(amount), creditRoom, debtRoom});
  if (cents <= 0) return MoneyMove::Done;
  const double lent = money::FromCents(cents);
  state_.Credits = money::Add(state_.Credits, lent);
  state_.Borrowed = money::Add(state_.Borrowed, lent);
  state_.Statistics.AddBorrowed(lent);
  KeepGame();
  return MoneyMove::Done;
}

MoneyMove Machine::PayBack(double amount) {
  if (IsBusy()) return MoneyMove::Busy;
  if (money::Less(state_.Credits, amount)) return MoneyMove::NotEnoughCredits;
  if (money::Less(state_.Borrowed, amount)) return MoneyMove::MoreThanBorrowed;
  const double paid = money::Round(amount);
  state_.Credits = money::Sub(state_.Credits, paid);
  state_.Borrowed = money::Sub(state_.Borrowed, paid);
  state_.Statistics.AddPaidBack(paid);
  KeepGame();
  return MoneyMove::Done;
}

bool Machine::OpenGame(const GameSnapshot& saved) {
  if (IsBusy()) return false;
  state_.Credits = money::Round(saved.Credits);
  state_.Borrowed = money::Round(saved.Borrowed);
  state_.Spins = saved.Spins;
  state_.BonusPool = money::Round(saved.BonusPool);
  state_.FreeSpinsPlayed = saved.FreeSpinsPlayed;
  state_.PowerPts = saved.PowerPts;
  state_.Statistics = {};
  KeepGame();
  return true;
}

void Machine::ResumeGame() {
  if (state_.Wager > 0) state_.Credits = money::Add(state_.Credits, state_.Wager);
  state_.Wager = 0;
  if (state_.FreeSpinsPlayed < 0) state_.FreeSpinsPlayed = 0;
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
