// SPDX-License-Identifier: GPL-3.0-or-later
#include "SavedGame.h"

#include "Money.h"

GameSnapshot SnapshotOfGame(const GameState& game) {
  GameSnapshot saved;
  saved.Credits = money::Add(game.Credits, game.Wager);
  saved.Borrowed = game.Borrowed;
  saved.BonusPool = game.BonusPool;
  saved.Spins = game.Spins;
  saved.FreeSpinsPlayed = game.FreeSpinsPlayed;
  saved.PowerPts = game.PowerPts;
  return saved;
}

void PutSnapshotInGame(const GameSnapshot& saved, GameState& game) {
  game.Credits = money::Round(saved.Credits);
  game.Borrowed = money::Round(saved.Borrowed);
  game.BonusPool = money::Round(saved.BonusPool);
  game.Spins = saved.Spins;
  game.FreeSpinsPlayed = saved.FreeSpinsPlayed;
  game.PowerPts = saved.PowerPts;
}
