// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpinPlan.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "Money.h"
#include "Paylines.h"
#include "PlanWriter.h"
#include "Reels.h"

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

// Writes one bet's plan, keeping the game the face shows after each step.
class BetPlanWriter {
 public:
  BetPlanWriter(Plan& plan, const BetDecision& bet, const PlanShowing& showing,
                RandomSource& random, BlurSource& blur)
      : shown_(bet.before),
        out_(plan, shown_, showing.watched),
        spinDelay_(showing.spinDelay),
        random_(random),
        blur_(blur) {}

  void Write(const BetDecision& bet) {
    out_.GameCommands(false);
    out_.Show();
    for (int coin = 0; coin < bet.coins; ++coin) {
      ShowCoin();
      if (bet.pauseAfterEachCoin) out_.Pause(timings::BetMaxCoinPause);
    }
    if (bet.spin) {
      if (bet.placesCoins) out_.Show();
      ShowSpin(bet.spin->staked, bet.spin->outcome);
      out_.Spins();
    }
    out_.GameCommands(true);
  }

 private:
  // One coin from the credits onto the table, shown and sounded.
  void ShowCoin() {
    GameState placed = shown_;
    PlaceCoin(placed);
    out_.Lamps(placed.Wager);
    out_.Money(MoneyReadout::Credits, placed.Credits);
    out_.Money(MoneyReadout::Wager, placed.Wager);
    out_.Sound(SoundEvent::seCoins);
  }

  // Shows the bet taken and the spin played, from the staked game the spin
  // was decided on to the game it settled at.
  void ShowSpin(const GameState& staked, const SpinOutcome& outcome) {
    // The bet.
    if (shown_.FreeSpins > 0) {
      out_.Count(CountReadout::SpinFree, shown_.FreeSpins - 1);
      out_.Lamps(staked.Wager);
    } else {
      if (money::IsZero(shown_.Wager)) {
        out_.Lamps(staked.Wager);
        out_.Money(MoneyReadout::Credits, staked.Credits);
        out_.Money(MoneyReadout::Wager, staked.Wager);
      }
      out_.Money(MoneyReadout::Bonus, staked.BonusPool);
    }
    out_.Blinking(false);
    if (shown_.FreeSpins > 0)
      out_.Count(CountReadout::FreeSpinsPlayed, staked.FreeSpinsPlayed);
    else
      out_.Count(CountReadout::Spins, staked.Spins);
    shown_ = staked;

    // The spin.
    out_.Save(outcome.settled);
    out_.Buttons(false);
    AnimateWheels(outcome.locks);
    ShowLineResults(outcome);
    if (outcome.win > 0) out_.CountUp(MoneyReadout::Won, outcome.win, CountPace::Win);
    ShowMeterMove(outcome);
    out_.Buttons(true);
    out_.FocusSpin();
    if (outcome.bonus) {
      out_.Sound(SoundEvent::seBonus);
      out_.CountUp(MoneyReadout::Bonus, staked.BonusPool, CountPace::Bonus);
    }

    // Between spins: everything the face shows from here on is the settled game.
    shown_ = outcome.settled;
    if (outcome.bonus || outcome.roundEnds) {
      // The strip on the wheels changes.
      out_.Show();
      out_.Repaint();
    }
    out_.Show();
  }

  void AnimateWheels(const std::array<int, 3>& locks) {
    std::array<int, 3> positions{shown_.Stops[0], shown_.Stops[1], shown_.Stops[2]};
    if (!out_.Records()) {
      // Nobody watches the blur: the wheels go straight to their stops.
      for (std::size_t wheel = 0; wheel < 3; ++wheel)
        positions[wheel] = RestingStop(static_cast<int>(wheel), locks[wheel]);
    }
    out_.BeginHurry();
    for (int step = 1; out_.Records() && step <= AnimationSteps; ++step) {
      out_.Pause(spinDelay_);
      for (std::size_t wheel = 0; wheel < 3; ++wheel) {
        auto& position = positions[wheel];
        // The lock was drawn when the spin was decided; the other steps draw
        // only the blur.
        const int wheelIndex = static_cast<int>(wheel);
        position = step == Schedules[wheel].lockStep
                       ? locks[wheel]
                       : PositionAtStep(wheelIndex, step, position, random_, blur_);
      }
      out_.Wheels(positions);
      if (IsStopSoundStep(step))
        out_.Sound(SoundEvent::seStop);
      else if (IsClickStep(step, spinDelay_))
        out_.Sound(SoundEvent::seSlotSpin);
    }
    // Hurried, the wheels jump to where they stop with one stop sound.
    out_.EndHurry(SoundEvent::seStop);
    for (std::size_t wheel = 0; wheel < 3; ++wheel) shown_.Stops[wheel] = positions[wheel];
    ComputeWindow(shown_);
    out_.Show();
    out_.Blinking(true);
  }

  void ShowLineResults(const SpinOutcome& outcome) {
    shown_.LinePay = outcome.settled.LinePay;
    out_.Show();
    for (int line = 0; line < LineCount; ++line)
      if (shown_.LinePay[static_cast<std::size_t>(line)] > 0) out_.Payline(line);
    if (outcome.win > 0) {
      out_.Money(MoneyReadout::Won, outcome.win);
      out_.Sound(SoundEvent::seWin);
      out_.Lamps(shown_.Wager);
    } else {
      out_.Sound(SoundEvent::seLose);
    }
  }

  void ShowMeterMove(const SpinOutcome& outcome) {
    if (outcome.meterMove == MeterMove::None) return;
    const bool rising = outcome.meterMove == MeterMove::Rising;
    out_.Sound(rising ? SoundEvent::sePowerUp : SoundEvent::sePowerDrain);
    out_.Meter(rising, outcome.meterAfterMove);
  }

  GameState shown_;
  PlanWriter out_;
  int spinDelay_;
  RandomSource& random_;
  BlurSource& blur_;
};

}  // namespace

Plan WriteBetPlan(const BetDecision& bet, const PlanShowing& showing, RandomSource& random,
                  BlurSource& blur) {
  Plan plan;
  BetPlanWriter(plan, bet, showing, random, blur).Write(bet);
  return plan;
}
