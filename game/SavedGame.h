// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "GameState.h"

// The part of a game that a saved-game slot holds, and that opening the slot
// brings back. Each field is the game's field of the same name.
struct GameSnapshot {
  double Credits = 0;
  double Borrowed = 0;
  double BonusPool = 0;
  std::int32_t Spins = 0;
  std::int32_t FreeSpinsPlayed = 0;
  std::int32_t PowerPts = 0;

  bool operator==(const GameSnapshot&) const = default;
};

// The game between spins as a slot saves it, as closing would leave it:
// coins on the table back in the credits, so opening the slot gives every
// cent back.
GameSnapshot SnapshotOfGame(const GameState& game);

// Opening a slot: its fields replace the game's, amounts to the whole cent;
// every other field of the game stays as it is.
void PutSnapshotInGame(const GameSnapshot& saved, GameState& game);
