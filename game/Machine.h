// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "GameState.h"
#include "MachineView.h"
#include "Random.h"
#include "Settings.h"
#include "SpinOutcome.h"

// What a saved game brings back when it is opened.
struct GameSnapshot {
  double Credits = 0;
  double Borrowed = 0;
  double BonusPool = 0;
  std::int32_t Spins = 0;
  std::int32_t FreeSpinsPlayed = 0;
  std::int32_t PowerPts = 0;
};

enum class MoneyMove { Done, Busy, NotEnoughCredits, MoreThanBorrowed };

// The rules of the machine: betting, the spin cycle, the count-ups, the power
// meter and bonus, coin value, new game and borrowing. The window's handlers
// call these operations; the machine reaches the window only through its
// face, its controls and its clock (MachineView.h).
class Machine {
 public:
  Machine(GameState& state, Settings& settings, FaceView& face, ControlsView& controls,
          GameClock& clock, RandomSource& random);
  // A window that plays all three parts itself.
  Machine(GameState& state, Settings& settings, MachineView& view, RandomSource& random)
      : Machine(state, settings, view, view, view, random) {}

  // The game in play, for the face, the dialogs and the settings file.
  const GameState& State() const { return state_; }
  // Start-up: the game as the settings file brought it back.
  void RestoreGame(const GameState& loaded) { state_ = loaded; }
  // Start-up, once the loaded coin value is in force: a wager the file still
  // holds (the game ended without its close) goes back to the credits, and
  // a free-spin round the file holds plays on where it stopped, its strip on
  // the wheel and Timer1 armed. Free spins whose figures cannot be right
  // (more than a bonus gives, or a bet that is not 1 to 25 whole coins) are
  // dropped, as they were before the file kept them.
  void ResumeGame();
  // Puts the strips on the wheels (the free-spin strip while free spins
  // remain) and works out the window anew; run for every new art size.
  void PutStripsOnWheels();

  // "Bet 1", "Bet Max" and "Spin".
  void Bet1();
  void BetMax();
  void Spin();

  // Timer1's tick: plays auto spin and the free spins.
  void AutoSpinTick();
  // "Auto Spin": toggles the mark and the timer.
  void ToggleAutoSpin();
  bool AutoSpinOn() const { return autoSpin_; }
  // Whether Timer1 is running, as the machine armed it.
  bool AutoSpinTimerArmed() const { return autoSpinTimerArmed_; }
  // The window is closing: no more ticks.
  void StopAutoSpinTimer() { ArmAutoSpinTimer(false); }

  // Fast, Medium, Slow.
  void SelectSpeed(int speed);
  int SpinDelay() const { return spinDelay_; }

  // A Bet Amount item (row 0 = "$5" .. 5 = "5¢").
  // Returns false when refused (no paid spin yet, or a spin in progress).
  bool ChooseCoinValue(int bet);
  // Start-up's use of the loaded Bet: mark and coin value, pool untouched.
  void ApplyLoadedBet();
  bool NewGame();

  // Coins placed with "Bet 1" that have not been spun go back to the
  // credits, so a game closed with coins on the table keeps them. Refused
  // (false) while busy: a spin in progress plays its wager.
  bool ReturnWager();

  MoneyMove Borrow(double amount);
  MoneyMove PayBack(double amount);
  bool OpenGame(const GameSnapshot& saved);

  // True from the moment a bet, spin, count-up or bonus count starts until it
  // has ended. Every command that changes Credits, Wager, LastBet or
  // CoinValue is refused meanwhile, and no second spin starts.
  bool IsBusy() const { return busyDepth_ > 0; }

  // Finishes the operation in progress at once: no more waits or sounds, the
  // wheels stop where they were going, wins and the pool are counted in
  // whole. Used when the window closes in the middle of a spin.
  void SettleNow() { hurry_ = true; }

  // Plays every spin the way SettleNow finishes one: for simulations and
  // long soak runs, where nobody watches. The outcome of each spin is drawn
  // exactly as in a watched spin.
  void SetInstant(bool instant) { instant_ = instant; }

 private:
  class BusyScope;

  void RunSpin();
  bool TakeBet();
  void AnimateWheels(const std::array<int, 3>& locks);
  void StopWheelsAtOnce(const std::array<int, 3>& locks);
  bool Hurrying() const { return hurry_ || instant_; }
  void ShowLineResults(const SpinOutcome& outcome);
  void CountWin();
  // Moves an amount into the credits coin by coin, each coin shown, sounded
  // and followed by its pause.
  void CountIntoCredits(double& source, MoneyReadout readout, int (*pauseFor)(double));
  void ShowMeterMove(const SpinOutcome& outcome);
  void SettleFreeSpin();
  void AwardBonus();
  void SeedPool();
  void DealAndShowLamps(double amount);
  void ShowCredits();
  void PlaySound(SoundEvent event);
  void StartPacing();
  void Pause(int ms);
  void AddToPoolForMaxBet();
  void ApplyCoinValueChange();
  void SetAutoSpin(bool on);
  // The game changed outside a spin: the window keeps it at once.
  void KeepGame() { controls_.KeepGame(state_); }
  void ArmAutoSpinTimer(bool armed);

  GameState& state_;
  Settings& settings_;
  FaceView& face_;
  ControlsView& controls_;
  GameClock& clock_;
  RandomSource& random_;
  BlurSource blur_;
  int spinDelay_ = 10;
  int busyDepth_ = 0;
  std::int64_t paceMark_ = 0;
  bool hurry_ = false;
  bool instant_ = false;
  bool autoSpin_ = false;
  bool autoSpinTimerArmed_ = false;
};
