// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "GameState.h"
#include "MachineView.h"
#include "SoundEvent.h"

// What the player sees and hears of a command the rules have already
// decided: an ordered list of steps, each due a number of milliseconds after
// the plan starts. The window plays it on a timer; the tests read it as data.
// A count-up is one step, however many coins it counts: the player meets its
// coins one by one (PlanCursor), each as plain steps at its own due time.
enum class StepKind : std::uint8_t {
  Wheels,        // the three wheels at `wheels`
  Sound,         // `sound`
  Money,         // readout `which` shows `amount`
  Count,         // readout `which` shows `count`
  Lamps,         // `amount` dealt over the lines, `count` lamps lit
  Payline,       // line `which` drawn as won
  Meter,         // the meter moved (`which` 1 rising, 0 falling) to `count`
  Repaint,       // the whole face
  Buttons,       // "Bet 1", "Bet Max", "Payoff Chart" and "Spin" on (1) or off
  GameCommands,  // the menu commands that change the game on (1) or off
  FocusSpin,
  Blinking,  // the lamps blink (1) or not
  Save,      // the spin's start is shown: its settled game is saved now
  Show,      // the face's game becomes snapshot `which` (nothing drawn)
  CountUp,   // `amount` moves from readout `which` into the credits, which
             // stood at `credits`, coin by coin (`coin`), each coin at its
             // pause for the coins left (`count`: a CountPace)
};

// The pauses of a count-up's coins.
enum class CountPace : std::uint8_t { Win, Bonus };

struct PlanStep {
  std::int64_t due = 0;
  StepKind kind = StepKind::Repaint;
  int which = 0;
  std::int32_t count = 0;
  double amount = 0;
  SoundEvent sound = SoundEvent::seCoins;
  std::array<int, 3> wheels{};
  // A count-up's credits before its first coin, and its coin value.
  double credits = 0;
  double coin = 0;
};

// The pause after a count-up's coin, by the coins that were left to count.
int CountUpPause(CountPace pace, double coinsLeft);
// How long a count-up takes, from its first coin to the step after it.
std::int64_t CountUpLength(const PlanStep& countUp);

// A run of steps the player may hurry through: the wheels turning, or the
// coins of a count-up. A hurried run shows only where it ends, with
// `endSound` (the wheels' one stop sound) if there is one.
struct HurryRun {
  std::size_t first = 0;
  std::size_t end = 0;  // one past the last step
  std::optional<SoundEvent> endSound;
};

struct Plan {
  std::vector<PlanStep> steps;
  // Games the face shows from a Show step on: the changes that draw nothing
  // by themselves (lines cleared, wheels at rest, the free-spin strip...).
  std::vector<GameState> snapshots;
  std::vector<HurryRun> hurries;
  // The game written by the Save step.
  std::optional<GameState> settled;
  // Whether the plan plays a spin (the auto-spin timer may follow it).
  bool spins = false;

  bool Empty() const { return steps.empty(); }
  // Index of the Save step, or steps.size() when there is none.
  std::size_t SaveStep() const;
  // The hurry run that step `index` lies in, if any.
  const HurryRun* HurryAt(std::size_t index) const;
};

// Walks a plan's steps in the order the player meets them: a count-up's
// coins one by one, each as the credits shown, the readout it counts from
// shown and the coin's sound, all due together, then its pause.
class PlanCursor {
 public:
  explicit PlanCursor(const Plan& plan);

  bool AtEnd() const { return index_ >= plan_->steps.size(); }
  // The plan step the cursor is in.
  std::size_t Index() const { return index_; }
  // The step met now and when it is due.
  const PlanStep& Step() const;
  std::int64_t Due() const { return Step().due; }
  void Next();
  // Goes on from the start of plan step `index`.
  void JumpTo(std::size_t index);

 private:
  void Enter();
  void ShowCoin();

  const Plan* plan_;
  std::size_t index_ = 0;
  // Inside a count-up: what is left to count, the credits so far, the due
  // time of the coin, its three steps and which of them is met now.
  double left_ = 0;
  double credits_ = 0;
  std::int64_t coinDue_ = 0;
  std::array<PlanStep, 3> coinSteps_{};
  std::size_t part_ = 0;
  bool counting_ = false;
};

// What a step changes in the game the face shows, without drawing it.
void ApplyToShown(const Plan& plan, const PlanStep& step, GameState& shown);

// Draws or sounds a step (after ApplyToShown). Returns how long the step's
// sound holds the game, in milliseconds: the steps after it wait that much
// longer.
int PerformStep(const PlanStep& step, FaceView& face, ControlsView& controls);

// The game to save when `step` plays: a spin's settled game at its Save
// step, before the wheels turn, so that it outlives a kill. The player of
// the plan saves it; no step writes anything by itself.
const GameState* GameToSave(const Plan& plan, const PlanStep& step);

// The player asked to hurry at step `next`: when it lies in a hurry run, the
// run is applied to the shown game at once and only where it ends is drawn
// (the wheels at their stops, each readout's last value, a count-up's end),
// with the run's end sound. Returns the step to play on from: the one after the run, or `next`
// when there is nothing to hurry.
std::size_t HurryThrough(const Plan& plan, std::size_t next, GameState& shown, FaceView& face,
                         ControlsView& controls);
