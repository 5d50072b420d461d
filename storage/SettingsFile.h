// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "GameState.h"
#include "PlayerRecords.h"
#include "Settings.h"

// The Settings section of the settings file: the player's settings and the game
// in progress. One key table serves both directions.
//
// LoadSettingsFile fills every field the file holds; a missing key leaves the field's
// current value, except Spins, PowerPts, Maxed and the playlist selections,
// which fall back to 0 / false. Values only the game writes are read within
// what it writes: Credits, Borrowed, Wager and FreeSpinBet not below 0,
// FreeSpins 0 to 7 (the rules bound the bets by the coin value). Other values
// are taken as they are; the caller decides what an out-of-range Speed or Bet
// means. A load never fails.
//
// The game's history, statistics and chart have sections of their own (see
// GameRecordsText.h and GameChartText.h), read and written with the Settings
// section; a file without them reads as an empty history, zero totals and an
// empty chart.
//
// The player's records across games (RecordsText.h) are read into and
// written from `records` when one is given; a save without them leaves the
// section as it is.
//
// SaveSettingsFile writes every key in table order in one replace of the file.
// Returns "Unable to write to <path>" when that fails; the file is then left
// as it was.
void LoadSettingsFile(const std::string& path, GameState& state, Settings& settings, bool& maxed,
                      PlayerRecords* records = nullptr);
std::optional<std::string> SaveSettingsFile(const std::string& path, const GameState& state,
                                            const Settings& settings, bool maxed,
                                            const PlayerRecords* records = nullptr);

inline constexpr const char* SettingsSection = "Settings";
