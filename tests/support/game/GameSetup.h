// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameState.h"
#include "Machine.h"

// Sets the machine's game up as a settings file could have brought it back:
// tests change the game only this way, never by writing its fields.
template <typename Edit>
void ChangeGame(Machine& machine, Edit edit) {
  GameState game = machine.State();
  edit(game);
  machine.RestoreGame(game);
}
