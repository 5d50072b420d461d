// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpinOutcome.h"

#include <algorithm>
#include <limits>

#include "Money.h"
#include "Paylines.h"
#include "Reels.h"

namespace {

constexpr int PowerPerVoltaro = 10;
constexpr double PoolShareOfMaxBet = 0.04;  // one coin of a 25-coin wager

// A counter read from a hand-edited file may already stand at its limit; it
// stays there rather than wrap round to a negative count.
void CountOne(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

// The pool rules: a 25-coin wager adds its share; the bonus pays the pool
// out; the last free spin seeds it for the next round.
void AddPoolShare(GameState& game) {
  if (!money::Less(game.Wager, money::Times(game.CoinValue, MaxCoins)))
    game.BonusPool = money::Add(game.BonusPool, money::Times(game.Wager, PoolShareOfMaxBet));
}

// Adds what fits below the money limit; the rest is noted as not credited.
// Returns what went in.
double CreditUpToLimit(double& credits, double amount, SpinOutcome& outcome) {
  const double before = credits;
  credits = money::Add(credits, amount);
  const double credited = money::Sub(credits, before);
  outcome.notCredited = money::Add(outcome.notCredited, money::Sub(amount, credited));
  return credited;
}

// The free-spin rules: a full meter pays the pool and grants the round on the
// free-spin strip; each free spin counts one down, and the last gives the
// normal strip back with a new pool.
void SettleFreeSpins(GameState& game, SpinOutcome& outcome) {
  if (game.FreeSpins >= 1) {
    --game.FreeSpins;
    game.PowerPts = 0;
    if (game.FreeSpins == 0) {
      outcome.roundEnds = true;
      game.BonusPool = SeededPool(game.CoinValue);
      SwitchToNormalStrip(game);
    }
  } else if (game.PowerPts >= FullPower) {
    outcome.bonus = true;
    outcome.poolPaid = CreditUpToLimit(game.Credits, game.BonusPool, outcome);
    game.BonusPool = 0;
    game.FreeSpins = FreeSpinsPerBonus;
    game.PowerPts = 0;
    SwitchToFreeSpinStrip(game);
  }
}

void MovePowerMeter(GameState& game, SpinOutcome& outcome) {
  int voltaro = 0;
  int drain = 0;
  for (int symbol : game.Window) {
    if (symbol == VoltaroSymbol) ++voltaro;
    if (symbol == PowerDrainSymbol) ++drain;
  }
  if (drain >= 1) {
    outcome.meterMove = MeterMove::Falling;
    game.PowerPts /= 2;
  } else if (voltaro >= 1) {
    outcome.meterMove = MeterMove::Rising;
    // Summed wide: a meter loaded from the file may be near the integer limit.
    const std::int64_t raised = std::int64_t{game.PowerPts} + PowerPerVoltaro * voltaro;
    game.PowerPts = static_cast<std::int32_t>(std::min<std::int64_t>(FullPower, raised));
  }
}

// The lines that paid money. A paying line without a coin is marked on the
// face all the same, but it paid nothing, so the record leaves it out.
std::uint8_t WinningLines(const GameState& game) {
  std::uint8_t lines = 0;
  for (std::size_t line = 0; line < LineCount; ++line)
    if (money::Times(game.LineBet[line], game.LinePay[line]) > 0)
      lines = static_cast<std::uint8_t>(lines | (1U << line));
  return lines;
}

}  // namespace

std::array<int, 3> DrawLocks(RandomSource& random) {
  std::array<int, 3> locks{};
  for (int& lock : locks) lock = 2 * random.Below(StripLength);
  return locks;
}

int RestingStop(int wheel, int lock) {
  const int roll = Schedules[static_cast<std::size_t>(wheel)].rollSteps;
  return ((lock - roll) % WheelPositions + WheelPositions) % WheelPositions;
}

double SeededPool(double coinValue) { return money::Times(coinValue, PoolSeedCoins); }

SpinRefusal CheckStake(const GameState& game) {
  if (game.FreeSpins > 0 || !money::IsZero(game.Wager)) return SpinRefusal::None;
  if (game.LastBet <= 0) return SpinRefusal::NoBet;
  if (money::Less(game.Credits, game.LastBet)) return SpinRefusal::ShortOfCredits;
  return SpinRefusal::None;
}

GameState StakeSpin(const GameState& game) {
  GameState staked = game;
  if (staked.FreeSpins > 0) {
    staked.Wager = staked.LastBet;
    DealLineBets(staked, staked.LastBet);
    CountOne(staked.FreeSpinsPlayed);
    return staked;
  }
  // Coins placed with "Bet 1" or "Bet Max" have already left the credits.
  if (money::IsZero(staked.Wager)) {
    staked.Wager = staked.LastBet;
    DealLineBets(staked, staked.LastBet);
    staked.Credits = money::Sub(staked.Credits, staked.LastBet);
  }
  AddPoolShare(staked);
  CountOne(staked.Spins);
  return staked;
}

SpinOutcome DecideSpin(const GameState& staked, const std::array<int, 3>& locks,
                       std::int64_t playedAt) {
  SpinOutcome outcome;
  outcome.locks = locks;
  GameState& game = outcome.settled;
  game = staked;
  const bool free = staked.FreeSpins > 0;

  for (int wheel = 0; wheel < 3; ++wheel)
    game.Stops[static_cast<std::size_t>(wheel)] =
        RestingStop(wheel, locks[static_cast<std::size_t>(wheel)]);
  ComputeWindow(game);
  outcome.win = EvaluateLines(game);
  double winCredited = 0;
  if (outcome.win > 0) {
    winCredited = CreditUpToLimit(game.Credits, outcome.win, outcome);
    game.WinAmount = 0;
  }
  // Only a paid spin moves the meter.
  if (game.FreeSpins == 0) MovePowerMeter(game, outcome);
  outcome.meterAfterMove = game.PowerPts;
  game.LastBet = game.Wager;
  game.Wager = 0;

  SettleFreeSpins(game, outcome);

  PlayRecord& play = outcome.play;
  play.playedAt = playedAt;
  play.coinValue = staked.CoinValue;
  play.coins = money::CoinsIn(staked.Wager, staked.CoinValue);
  play.free = free;
  play.window = game.Window;
  play.winningLines = WinningLines(game);
  play.win = winCredited;
  play.poolPaid = outcome.poolPaid;
  play.bonus = outcome.bonus;
  // A paid wager has already left the credits; a free one never did.
  play.creditsBefore = free ? staked.Credits : money::Add(staked.Credits, staked.Wager);
  play.creditsAfter = game.Credits;
  play.meterBefore = staked.PowerPts;
  play.meterAfter = game.PowerPts;
  game.History.Add(play);
  game.Statistics.AddPlay(play);
  game.Chart.AddPlay(play, game.Statistics);
  return outcome;
}
