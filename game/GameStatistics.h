// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "PlayRecord.h"

// Running totals of the game in play, from its New Game on. Money in dollars.
struct GameStatistics {
  std::int64_t paidSpins = 0;
  std::int64_t freeSpins = 0;
  std::int64_t coinsWagered = 0;
  double moneyWagered = 0;
  double wonOnLines = 0;
  double wonFromPool = 0;
  std::int64_t bonuses = 0;
  double borrowed = 0;
  double paidBack = 0;
  double biggestWin = 0;  // the most one play paid, lines and pool together
  // Paid spins by coins bet, 1..25 (index 0 unused).
  std::array<std::int64_t, 26> spinsByCoins{};

  void AddPlay(const PlayRecord& play);
  void AddBorrowed(double amount);
  void AddPaidBack(double amount);
  // The coins most often bet on a paid spin (the fewer on a tie), 0 before any.
  int MostUsedCoins() const;
  // Everything won for every dollar wagered, in percent; 0 before any wager.
  double ReturnPercent() const;

  bool operator==(const GameStatistics&) const = default;
};
