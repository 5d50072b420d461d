// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "GameState.h"
#include "SavedGame.h"

// The eight saved-game slots, saved in the sections "Saved Game 1" to
// "Saved Game 8" of the settings file.

inline constexpr int SlotCount = 8;
inline constexpr std::size_t SlotNameCapacity = 100;
inline constexpr std::size_t SlotDateCapacity = 9;

// A slot: the saved game (its FreeSpinsPlayed is not in the file; only a
// save in this run sets it) under a name and a date.
struct SlotRecord : GameSnapshot {
  std::string Name;
  std::string Date;
  // Whether the file holds a game in this slot; a slot never saved shows
  // the defaults.
  bool Saved = false;
};

// Slots numbered 1 to 8.
class Slots {
 public:
  SlotRecord& operator[](int n) { return records_.at(static_cast<std::size_t>(n - 1)); }
  const SlotRecord& operator[](int n) const { return records_.at(static_cast<std::size_t>(n - 1)); }

 private:
  std::array<SlotRecord, SlotCount> records_{};
};

// "mm/dd/yy" with the given separator in place of '/'.
std::string SlotDate(int year, int month, int day, std::string_view separator);

std::string SlotSectionName(int n);

// Fills every slot from the file; a slot never saved reads as "Game #n" with
// 1000.00 credits, 1000.00 borrowed, a pool of 10000.00 and the date today.
// FreeSpinsPlayed keeps its value.
void ReadSlots(const std::string& path, Slots& slots, const std::string& today);

// The slot a save of the current game under name makes (name cut to 100).
SlotRecord SlotFromGame(std::string_view name, const GameState& game, const std::string& today);

// Writes slot n's section from the current game. Returns "Unable to write to
// <path>" on failure, leaving the file as it was.
std::optional<std::string> WriteSlot(const std::string& path, int n, std::string_view name,
                                     const GameState& game, const std::string& today);

// What opening the slot brings back into the current game.
inline const GameSnapshot& SnapshotOf(const SlotRecord& slot) { return slot; }
