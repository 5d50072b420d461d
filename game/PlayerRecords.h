// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "PlayRecord.h"

// The game a record belongs to: the number it started as (the games started
// by then) and the saved game it came from, if any.
struct RecordGame {
  std::int64_t number = 0;  // 0: none
  std::string slotName;     // empty unless the game was opened from a slot

  bool operator==(const RecordGame&) const = default;
};

// One record: its value (a count, seconds, or dollars exact to the cent),
// when it was last set (seconds since 1970 UTC, 0 for never) and the game
// that set it (none for the totals of every game).
template <class Value>
struct Record {
  Value value{};
  std::int64_t setAt = 0;
  RecordGame game;

  bool operator==(const Record&) const = default;
};

// What the player has done across every game, kept when a game ends: the
// totals, the best moments and the time spent. Counts stop at their largest
// value instead of wrapping.
struct PlayerRecords {
  // Games started; its game is the one in play.
  Record<std::int64_t> games;
  Record<std::int64_t> paidSpins;
  Record<std::int64_t> freeSpins;
  Record<std::int64_t> bonuses;
  Record<double> biggestWin;           // one play, lines and pool together
  Record<double> biggestBonus;         // the largest pool paid
  Record<double> mostCredits;          // the highest credits held
  Record<std::int64_t> longestWinRun;  // paid spins in a row with a win
  Record<std::int64_t> timePlayed;     // seconds
  // Paid spins in a row with a win in the game in play, so far.
  std::int64_t winRun = 0;

  // A game starts: the first run, New Game, or a game opened from the slot
  // named slotName (empty for a new game). It holds `credits`.
  void StartGame(const std::string& slotName, double credits, std::int64_t now);
  // A settled play of the game in play.
  void AddPlay(const PlayRecord& play);
  // Seconds played up to now.
  void AddTime(std::int64_t seconds, std::int64_t now);
  // Everything cleared; the game in play, holding `credits`, is the first
  // game of the records from now on (under its slot's name, if it has one).
  void Reset(double credits, std::int64_t now);
  // Nothing recorded yet: no game has started.
  bool Empty() const { return games.value == 0; }
  const RecordGame& GameInPlay() const { return games.game; }

  bool operator==(const PlayerRecords&) const = default;
};
