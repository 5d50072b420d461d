// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "GameState.h"
#include "MachineView.h"
#include "Plan.h"
#include "Random.h"
#include "Settings.h"
#include "SpinOutcome.h"

class PlanWriter;

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
// meter and bonus, coin value, new game and borrowing. The machine owns the
// game in play; everything else reads it through State().
//
// Each command is decided at once: the game goes straight to where it rests
// afterwards, and the command returns the plan of what the player sees and
// hears meanwhile (Plan.h). The window plays the plan and tells the machine
// when it has ended (PlanEnded) or was dropped (DropPlan); until then the
// machine is busy and refuses every command that would change the game.
class Machine {
 public:
  Machine(Settings& settings, ControlsView& controls, GameClock& clock, RandomSource& random);

  // The game in play, for the face, the dialogs and the settings file.
  const GameState& State() const { return state_; }
  // Start-up and tests: the game as the settings file brought it back.
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

  // "Bet 1", "Bet Max" and "Spin". An empty plan when nothing happens.
  Plan Bet1();
  Plan BetMax();
  Plan Spin();

  // Timer1's tick: plays auto spin and the free spins.
  Plan AutoSpinTick();
  // "Auto Spin": toggles the mark and the timer.
  void ToggleAutoSpin();
  bool AutoSpinOn() const { return autoSpin_; }
  // Whether Timer1 is running, as the machine armed it.
  bool AutoSpinTimerArmed() const { return autoSpinTimerArmed_; }
  // The window is closing: no more ticks.
  void StopAutoSpinTimer() { ArmAutoSpinTimer(false); }

  // The last plan handed out has been played to its end: the machine is at
  // rest, and Timer1 is armed again when auto spin or free spins call for it.
  void PlanEnded();
  // The window closes while a plan plays: the rest is not shown. A spin whose
  // start the player saw (its Keep step was played) stays settled; otherwise
  // the game goes back to where it was before the command, so coins still
  // being fed by "Bet Max" return with the rest of the wager.
  void DropPlan(bool spinShown);

  // Fast, Medium, Slow.
  void SelectSpeed(int speed);
  int SpinDelay() const { return spinDelay_; }

  // A Bet Amount item (row 0 = "$5" .. 5 = "5¢"). Returns false when refused
  // (no paid spin yet, a plan playing, or free spins left to play).
  bool ChooseCoinValue(int bet);
  // Start-up's use of the loaded Bet: mark and coin value, pool untouched.
  void ApplyLoadedBet();
  // Refused while a plan plays or free spins remain; coins on the table go
  // back to the game being left first.
  bool NewGame();

  // Coins placed with "Bet 1" that have not been spun go back to the
  // credits, so a game closed with coins on the table keeps them. Refused
  // (false) while busy: a spin in progress plays its wager.
  bool ReturnWager();

  MoneyMove Borrow(double amount);
  MoneyMove PayBack(double amount);
  // Refused like NewGame; the opened game starts with no wager and no round.
  bool OpenGame(const GameSnapshot& saved);

  // True while a plan plays. Every command that changes Credits, Wager,
  // LastBet or CoinValue is refused meanwhile, and no second spin starts.
  bool IsBusy() const { return busy_; }
  // Whether the commands that leave or replace the game (New Game, Open, the
  // coin values) may run now: not while busy, and not while free spins of
  // this game remain to be played.
  bool MayLeaveGame() const { return !busy_ && state_.FreeSpins <= 0; }

  // Nobody watches (simulations, soak runs): commands decide the game as
  // ever, and their plans hold only the spin's Keep step. A seeded game
  // settles exactly as a watched one.
  void SetWatched(bool watched) { watched_ = watched; }

 private:
  // One coin from the credits onto the table, shown and sounded.
  void PlaceCoin(PlanWriter& out, GameState& shown);
  // Runs the bet and the spin on the shown game, writing their steps.
  bool RunSpin(PlanWriter& out, GameState& shown);
  bool TakeBet(PlanWriter& out, GameState& shown);
  // A win or pool that did not fit below the money limit is told when the
  // spin's plan ends.
  void NoteMoneyLimit(const SpinOutcome& outcome);
  void AnimateWheels(PlanWriter& out, const std::array<int, 3>& locks, GameState& shown);
  void ShowLineResults(PlanWriter& out, const SpinOutcome& outcome, GameState& shown);
  // Moves an amount into the credits coin by coin, each coin shown, sounded
  // and followed by its pause.
  void CountIntoCredits(PlanWriter& out, GameState& shown, double& source, MoneyReadout readout,
                        int (*pauseFor)(double));
  void ShowMeterMove(PlanWriter& out, const SpinOutcome& outcome, GameState& shown);
  void ShowFreeSpinSettled(PlanWriter& out, GameState& shown);
  void ShowBonus(PlanWriter& out, GameState& shown);
  void AddToPoolForMaxBet(PlanWriter& out, GameState& shown);
  // Decides a command on a copy of the game as shown: `body` writes its steps
  // between the game commands going off and on, and says whether it spun;
  // the game then rests where the command left it.
  Plan Decide(const std::function<bool(PlanWriter&, GameState&)>& body);
  // Starts a plan: from here until it ends or is dropped the machine is busy.
  Plan Begin(Plan plan, const GameState& before);
  void SeedPool();
  void SetAutoSpin(bool on);
  // The game changed outside a spin: the window keeps it at once.
  void KeepGame() { controls_.KeepGame(state_); }
  void ArmAutoSpinTimer(bool armed);

  GameState state_;
  Settings& settings_;
  ControlsView& controls_;
  GameClock& clock_;
  RandomSource& random_;
  BlurSource blur_;
  int spinDelay_ = 10;
  bool busy_ = false;
  bool watched_ = true;
  bool planSpins_ = false;
  // The game before the plan in play, to go back to if it is dropped before
  // its spin was shown.
  std::optional<GameState> beforePlan_;
  bool autoSpin_ = false;
  bool autoSpinTimerArmed_ = false;
  // What of a win went into credits at the limit, to tell when the plan ends.
  std::optional<double> limitNote_;
  bool toldOfLimit_ = false;
};
