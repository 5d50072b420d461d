// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "GameState.h"
#include "SpinOutcome.h"

// A spin whose bet has been taken and whose outcome is decided.
struct DecidedSpin {
  GameState staked;  // the game with the bet taken (StakeSpin)
  SpinOutcome outcome;
};

// "Bet 1", "Bet Max" or "Spin" as the rules decided it, before anything is
// shown: the coins that went onto the table and the spin that followed, if
// any. SpinPlan.h turns it into what the player sees.
struct BetDecision {
  // The game the command found, the last spin's lines cleared.
  GameState before;
  // "Bet 1" and "Bet Max" place coins: the cleared game is shown first, and
  // once more after the coins when they spin.
  bool placesCoins = false;
  int coins = 0;
  // "Bet Max" pauses after each coin.
  bool pauseAfterEachCoin = false;
  // The game with the coins on the table: where a bet that does not spin leaves it.
  GameState afterCoins;
  std::optional<DecidedSpin> spin;
};

// A bet on `game`, its last spin's lines cleared, before any coin.
BetDecision StartBet(const GameState& game, bool placesCoins);

// One coin from the credits onto the table, dealt over the lines.
void PlaceCoin(GameState& game);
void PlaceCoin(BetDecision& bet);
