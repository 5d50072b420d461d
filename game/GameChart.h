// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "GameStatistics.h"
#include "PlayRecord.h"

// What a point of the chart marks besides the credits: a bonus won, credits
// borrowed or paid back. Bits, as a point merged with its neighbours carries
// their marks too.
namespace chart_mark {
inline constexpr std::uint8_t Bonus = 1;
inline constexpr std::uint8_t Loan = 2;
inline constexpr std::uint8_t PayBack = 4;
inline constexpr std::uint8_t All = Bonus | Loan | PayBack;
}  // namespace chart_mark

// The game after a play, or after a loan or a pay-back. Counts and money are
// the game's totals since New Game, so the return of a point is the return
// so far the statistics showed at that moment.
struct ChartPoint {
  std::int64_t play = 0;       // plays since New Game, free spins included
  std::int64_t paidSpins = 0;  // of which paid
  double credits = 0;          // after the play or the loan
  double wagered = 0;          // money wagered since New Game
  double returned = 0;         // won on the lines and from the pool since New Game
  std::uint8_t marks = 0;      // chart_mark bits
  // Of the returns, won from the pool; not known for a point read from an older file.
  std::optional<double> fromPool;

  bool operator==(const ChartPoint&) const = default;
};

// The credits and the return over the whole game, kept small: once it holds
// more than Capacity points, neighbours are merged so that it holds about half
// as many. The first and the last point always stay, and so do the points of
// the lowest and the highest credits, so a game of any length keeps its shape.
class GameChart {
 public:
  static constexpr std::size_t Capacity = 2000;

  // After a play has been counted into the totals.
  void AddPlay(const PlayRecord& play, const GameStatistics& totals);
  // After a loan or a pay-back; the credits then stand at creditsAfter.
  void AddMove(std::uint8_t mark, double creditsAfter, const GameStatistics& totals);
  // A point in the order of the game (as read back from the file). One that
  // would go back in time, plays, spins or money, is refused.
  bool Append(const ChartPoint& point);
  void Clear() { points_.reset(); }
  // A new game's chart: its one point the credits it starts with, before any play.
  void Start(double credits);

  const std::vector<ChartPoint>& Points() const;

  bool operator==(const GameChart& other) const { return Points() == other.Points(); }

 private:
  // The points to change, made this chart's own first.
  std::vector<ChartPoint>& OwnPoints();
  void Thin();

  // Shared between copies until one of them changes: the game is copied
  // several times a spin (the game shown, staked and settled), and a full
  // chart is far larger than the rest of it.
  std::shared_ptr<std::vector<ChartPoint>> points_;
};

// The plays of the totals, paid and free; held at the largest count, as
// counts read from a hand-edited file may stand at their limit.
std::int64_t PlaysOf(const GameStatistics& totals);

// A point's return so far: returned over wagered, 0 before any wager.
double ReturnOf(const ChartPoint& point);
