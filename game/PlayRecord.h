// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>

// One settled play, as the game history keeps it: what was bet, what the
// window showed and what it paid. Money is in dollars, exact to the cent.
struct PlayRecord {
  std::int64_t playedAt = 0;  // seconds since 1970-01-01 UTC
  double coinValue = 0;
  std::int32_t coins = 0;                // coins bet (a free spin replays the bet that won it)
  bool free = false;                     // a free spin of the bonus round
  std::array<std::int32_t, 9> window{};  // symbol codes as GameState::Window: wheel * 3 + row
  std::uint8_t winningLines = 0;         // bit n set: payline n paid
  double win = 0;                        // paid on the lines
  double poolPaid = 0;                   // the bonus pool, when this play filled the meter
  bool bonus = false;                    // the meter filled: free spins, and the pool as far as it fitted
  // Credits before the bet was placed, and once the play had settled.
  double creditsBefore = 0;
  double creditsAfter = 0;
  std::int32_t meterBefore = 0;
  std::int32_t meterAfter = 0;

  // The symbol on a wheel (0 to 2, left to right) in a row (0 top to 2 bottom).
  std::int32_t SymbolAt(int wheel, int row) const {
    return window[static_cast<std::size_t>(wheel * 3 + row)];
  }
  bool PaidOnLine(int line) const { return (winningLines >> line & 1u) != 0; }  // line 0 to 4

  bool operator==(const PlayRecord&) const = default;
};

// The last ten settled plays, newest first.
class GameHistory {
 public:
  static constexpr int Capacity = 10;

  void Add(const PlayRecord& play);
  void Clear() { plays_.clear(); }
  const std::deque<PlayRecord>& Plays() const { return plays_; }

  bool operator==(const GameHistory&) const = default;

 private:
  std::deque<PlayRecord> plays_;
};
