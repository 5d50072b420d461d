// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "BetDecision.h"
#include "CommandResult.h"
#include "GameState.h"
#include "MachineView.h"
#include "Plan.h"
#include "Random.h"
#include "SavedGame.h"
#include "Settings.h"
#include "SpinOutcome.h"
#include "Timings.h"

// The rules of the machine: betting, the spin cycle, the count-ups, the power
// meter and bonus, coin value, new game and borrowing. The machine owns the
// game in play; everything else reads it through State().
//
// Each command is decided at once: the game goes straight to where it stands
// afterwards, and the command returns what happened (CommandResult.h): the
// plan of what the player sees and hears meanwhile (Plan.h), any message and
// the marks that changed. The machine never calls the window. The window plays
// the plan and tells the machine when it has ended (PlanEnded) or was dropped
// (DropPlan); until then the machine is busy and refuses every command that
// would change the game.
class Machine {
 public:
  Machine(Settings& settings, GameClock& clock, RandomSource& random);

  // The game in play, for the face, the dialogs and the settings file.
  const GameState& State() const { return state_; }
  // Start-up and tests: the game as the settings file brought it back.
  void RestoreGame(const GameState& loaded) { state_ = loaded; }
  // Start-up, once the loaded coin value is in force: a wager the file still
  // holds (the game ended without closing) goes back to the credits, and
  // a free-spin round the file holds plays on where it stopped, its strip on
  // the wheel and the auto-spin ticks started. Free spins whose figures
  // cannot be right (more than a bonus gives, or a bet that is not 1 to 25
  // whole coins) are dropped, as they were before the file saved them.
  CommandResult ResumeGame();
  // Puts the strips on the wheels (the free-spin strip while free spins
  // remain) and works out the window anew; run for every new art size.
  void PutStripsOnWheels();

  // "Bet 1", "Bet Max" and "Spin". A refused command plays nothing.
  CommandResult Bet1();
  CommandResult BetMax();
  CommandResult Spin();

  // The auto-spin tick: plays auto spin and the free spins.
  CommandResult AutoSpinTick();
  // "Auto Spin": toggles the mark and the ticks.
  CommandResult ToggleAutoSpin();
  bool AutoSpinOn() const { return autoSpin_; }
  // Whether the auto-spin ticks run, as the machine started them.
  bool AutoSpinTicking() const { return autoSpinTicking_; }
  // The window is closing: no more ticks.
  CommandResult StopAutoSpin();

  // The last plan handed out has been played to its end: the machine is idle,
  // and the auto-spin ticks start again when auto spin or free spins
  // call for it.
  CommandResult PlanEnded();
  // The window closes while a plan plays: the rest is not shown. A spin whose
  // start the player saw (its Save step was played) stays settled; otherwise
  // the game goes back to where it was before the command, so coins still
  // being fed by "Bet Max" return with the rest of the wager.
  void DropPlan(bool spinShown);

  // Fast, Medium, Slow.
  CommandResult SelectSpeed(int speed);
  int SpinDelay() const { return spinDelay_; }

  // A Bet Amount item (row 0 = "$5" .. 5 = "5¢"). Refused (not done) with
  // no paid spin yet, a plan playing, or free spins left to play.
  CommandResult ChooseCoinValue(int bet);
  // Start-up's use of the loaded Bet: mark and coin value, pool untouched.
  CommandResult ApplyLoadedBet();
  // Refused while a plan plays or free spins remain; coins on the table go
  // back to the game being left first.
  CommandResult NewGame();

  // Coins placed with "Bet 1" that have not been spun go back to the
  // credits, so a game closed with coins on the table does not lose them. Refused
  // (false) while busy: a spin in progress plays its wager.
  bool ReturnWager();

  CommandResult Borrow(double amount);
  CommandResult PayBack(double amount);
  // Refused like NewGame; the opened game starts with no wager and no round.
  CommandResult OpenGame(const GameSnapshot& saved);

  // True while a plan plays. Every command that changes Credits, Wager,
  // LastBet or CoinValue is refused meanwhile, and no second spin starts.
  bool IsBusy() const { return busy_; }
  // Whether the commands that leave or replace the game (New Game, Open, the
  // coin values) may run now: not while busy, and not while free spins of
  // this game remain to be played.
  bool MayLeaveGame() const { return !busy_ && !InFreeSpinRound(); }
  // Free spins of this game remain to be played.
  bool InFreeSpinRound() const { return state_.FreeSpins > 0; }

  // Nobody watches (simulations, soak runs): commands decide the game as
  // ever, and their plans hold only the spin's Save step. A seeded game
  // settles exactly as a watched one.
  void SetWatched(bool watched) { watched_ = watched; }

 private:
  // Plays a decided bet: with `spins`, its spin is decided first; then the
  // plan is written and the game stands where the command leaves it.
  CommandResult Play(BetDecision& bet, bool spins);
  // A refused bet or spin plays nothing; the game stays as the refusal left it.
  CommandResult Refuse(const BetDecision& bet, CommandResult refusal);
  // Takes the bet of a spin on the game with its coins on the table and
  // decides the spin; or, when it may not be played, returns the refusal.
  std::optional<CommandResult> DecideBetSpin(BetDecision& bet);
  // A win or pool that did not fit below the money limit is told when the
  // spin's plan ends.
  void NoteMoneyLimit(const SpinOutcome& outcome);
  void SeedPool();
  void SetAutoSpin(bool on, CommandResult& result);
  void TickAutoSpin(bool on, CommandResult& result);

  GameState state_;
  Settings& settings_;
  GameClock& clock_;
  RandomSource& random_;
  BlurSource blur_;
  int spinDelay_ = timings::SpinDelayFast;
  bool busy_ = false;
  bool watched_ = true;
  bool planSpins_ = false;
  // The game before the plan in play, to go back to if it is dropped before
  // its spin was shown.
  std::optional<GameState> beforePlan_;
  bool autoSpin_ = false;
  bool autoSpinTicking_ = false;
  // What of a win went into credits at the limit, to tell when the plan ends.
  std::optional<double> limitNote_;
  bool toldOfLimit_ = false;
};
