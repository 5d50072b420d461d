// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "PlayerRecords.h"
#include "Profile.h"
#include "ProfileText.h"

// The player's records across games in the settings file, in a section of
// their own that New Game, Open and Save leave alone:
//
//   [Records]
//   Games=4, 2026-12-09T14:00:00Z, 4, Weekend
//   PaidSpins=340, 2026-12-09T14:05:00Z
//   FreeSpins=21, 2026-12-09T14:03:10Z
//   Bonuses=3, 2026-12-09T14:03:02Z
//   BiggestWin=125.00, 2026-12-09T14:03:02Z, 2
//   BiggestBonus=118.75, 2026-12-09T14:03:02Z, 2
//   MostCredits=1520.50, 2026-12-09T14:04:44Z, 3
//   LongestWinRun=6, 2026-12-09T13:12:40Z, 1
//   TimePlayed=5230, 2026-12-09T14:05:00Z
//   WinRun=2
//
// Each record is its value (a count, seconds, or an amount as MoneyToText
// writes it), when it was last set (UTC; left out while never set), and the
// game that set it: its number, then the name of the slot it was opened from,
// which may hold commas and ends the line. The game of Games is the game in
// play. WinRun is the run of paid spins with a win the game in play has going.
// A record whose text does not read, or holds a negative or out-of-range
// figure, reads as never set; nothing in the section reaches the game itself.

inline constexpr const char* RecordsSection = "Records";

ProfileEntries RecordsEntries(const PlayerRecords& records);
PlayerRecords ReadRecords(const ProfileText& file);

// One record as its key's value, and back; nothing when the text is damaged.
std::string CountRecordText(const Record<std::int64_t>& record);
std::string AmountRecordText(const Record<double>& record);
std::optional<Record<std::int64_t>> ParseCountRecord(std::string_view text);
std::optional<Record<double>> ParseAmountRecord(std::string_view text);
