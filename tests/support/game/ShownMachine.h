// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CommandResult.h"
#include "GameState.h"
#include "Machine.h"

// The rules driven as the window drives them: each command's result is shown
// on a window (`View::Show`) before its plan, its success or its money move
// is handed back to the test.
template <typename View>
class ShownMachine {
 public:
  ShownMachine(Machine& rules, View& view) : rules_(rules), view_(view) {}

  Plan Bet1() { return Shown(rules_.Bet1()).plan; }
  Plan BetMax() { return Shown(rules_.BetMax()).plan; }
  Plan Spin() { return Shown(rules_.Spin()).plan; }
  Plan AutoSpinTick() { return Shown(rules_.AutoSpinTick()).plan; }
  void ToggleAutoSpin() { Shown(rules_.ToggleAutoSpin()); }
  void PlanEnded() { Shown(rules_.PlanEnded()); }
  void DropPlan(bool spinShown) { rules_.DropPlan(spinShown); }
  void SelectSpeed(int speed) { Shown(rules_.SelectSpeed(speed)); }
  bool ChooseCoinValue(int bet) { return Shown(rules_.ChooseCoinValue(bet)).done; }
  void ApplyLoadedBet() { Shown(rules_.ApplyLoadedBet()); }
  bool NewGame() { return Shown(rules_.NewGame()).done; }
  bool ReturnWager() { return rules_.ReturnWager(); }
  MoneyMove Borrow(double amount) { return Shown(rules_.Borrow(amount)).money; }
  MoneyMove PayBack(double amount) { return Shown(rules_.PayBack(amount)).money; }
  bool OpenGame(const GameSnapshot& saved) { return Shown(rules_.OpenGame(saved)).done; }
  void ResumeGame() { Shown(rules_.ResumeGame()); }

  const GameState& State() const { return rules_.State(); }
  void RestoreGame(const GameState& game) { rules_.RestoreGame(game); }
  void PutStripsOnWheels() { rules_.PutStripsOnWheels(); }
  bool IsBusy() const { return rules_.IsBusy(); }
  bool MayLeaveGame() const { return rules_.MayLeaveGame(); }
  bool AutoSpinOn() const { return rules_.AutoSpinOn(); }
  int SpinDelay() const { return rules_.SpinDelay(); }
  void SetWatched(bool watched) { rules_.SetWatched(watched); }
  Machine& Rules() { return rules_; }

 private:
  CommandResult Shown(CommandResult result) {
    view_.Show(result, rules_.State());
    return result;
  }

  Machine& rules_;
  View& view_;
};
