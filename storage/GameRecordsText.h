// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "GameStatistics.h"
#include "PlayRecord.h"
#include "Profile.h"
#include "ProfileText.h"

// The game history and the game's statistics in the settings file, each in a
// section of its own that is rewritten whole on every save.
//
// [Game History] holds one key per play, newest first, Play1 to Play10:
//
//   Play1=2026-12-08T16:12:05Z, 0.25, 25, Paid, 012 345 601, 1 3, 12.50, 0.00, 1000.00,
//         993.75, 40, 50
//
// (on one line) with the fields: when it was played (UTC), the coin value, the
// coins bet, "Paid" or "Free", the nine symbols in the record's window order in
// groups of three, the winning paylines (1 to 5, or "none"), the win on the
// lines, the pool paid, the credits before and after, the meter before and after.
// A play that filled the meter but got none of the pool (the credits stood at
// the money limit) ends with a thirteenth field, "Bonus"; otherwise a play is a
// bonus when its pool paid is above 0.
// A play with a field that does not read is dropped; later plays close up the
// gap. Keys beyond Play10 are never read. A meter reading outside 0..100 is
// brought within it; money is held within the money limit.
//
// [Game Statistics] holds one key per total: PaidSpins, FreeSpins,
// CoinsWagered, MoneyWagered, WonOnLines, WonFromPool, Bonuses, Borrowed,
// PaidBack, BiggestWin, and SpinsByCoins, the paid spins at each bet as
// "coins:spins" pairs ("1:12 25:340"), bets never made left out. A count or
// amount that does not read, or is negative, reads as 0.

inline constexpr const char* HistorySection = "Game History";
inline constexpr const char* StatisticsSection = "Game Statistics";

ProfileEntries HistoryEntries(const GameHistory& history);
GameHistory ReadHistory(const ProfileText& file);

ProfileEntries StatisticsEntries(const GameStatistics& statistics);
GameStatistics ReadStatistics(const ProfileText& file);

// One play as its key's value, and back; nothing when the text is damaged.
std::string PlayText(const PlayRecord& play);
std::optional<PlayRecord> ParsePlay(std::string_view text);

// An amount as the records write it ("12.50", "-3", held within the money
// limit), and a whole number ("42", "-7"); nothing for any other text.
std::optional<double> ParseRecordAmount(std::string_view text);
std::optional<std::int64_t> ParseRecordCount(std::string_view text);
// A record's fields between the separators, blanks around each left out.
std::vector<std::string_view> SplitRecordFields(std::string_view text, char separator);

// "2026-12-08T16:12:05Z" for seconds since 1970 UTC, and back; the years
// 1970 to 9999 only.
std::string UtcTimeText(std::int64_t secondsSince1970);
std::optional<std::int64_t> ParseUtcTime(std::string_view text);
