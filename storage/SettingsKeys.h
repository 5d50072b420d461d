// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "GameState.h"
#include "Settings.h"

// One key of the Settings section, bound to the field it stores. The field's
// type gives the key's kind: money, integer, boolean, byte or text.
struct SettingsKey {
  std::string name;
  std::variant<double*, std::int32_t*, bool*, std::uint8_t*, std::string*> field;
  // A missing key gives 0 / false instead of leaving the field as it is.
  bool fixedDefault = false;
  // The most characters a text value holds.
  std::size_t capacity = PathCapacity;
};

// Every key of the section, in the order the file lists them. The keys of a
// free-spin round and of an unspun wager come last, so older readers pass
// over them: FreeSpins, FreeSpinBet (the bet the free spins replay, held in
// LastBet), FreeSpinsPlayed and Wager, then the size of the Game History
// window (HistoryWidth, HistoryHeight). A file without them reads as no
// free spins, no wager and no size chosen.
std::vector<SettingsKey> SettingsKeys(GameState& state, Settings& settings, bool& maxed);

// The game as the section stores it: the last bet only while free spins
// remain to replay it, 0 otherwise.
GameState GameToStore(const GameState& game);
