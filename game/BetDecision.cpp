// SPDX-License-Identifier: GPL-3.0-or-later
#include "BetDecision.h"

#include "Money.h"
#include "Paylines.h"

BetDecision StartBet(const GameState& game, bool placesCoins) {
  BetDecision bet;
  bet.before = game;
  ClearLineResults(bet.before);
  bet.placesCoins = placesCoins;
  bet.afterCoins = bet.before;
  return bet;
}

void PlaceCoin(GameState& game) {
  game.Wager = money::Add(game.Wager, game.CoinValue);
  DealLineBets(game, game.Wager);
  game.Credits = money::Sub(game.Credits, game.CoinValue);
}

void PlaceCoin(BetDecision& bet) {
  PlaceCoin(bet.afterCoins);
  ++bet.coins;
}
