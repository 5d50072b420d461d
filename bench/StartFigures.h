// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class BenchTable;

// A program started for its start-up time prints one line when its first
// paint is done: the steady clock then (shared by every process on the
// machine, so the starter can subtract the moment it started the program)
// and the CPU time the program had used by then.
struct FirstPaintReport {
  std::int64_t wallNanos = 0;
  std::int64_t cpuNanos = 0;
};
std::string FirstPaintLine(std::int64_t wallNanos, std::int64_t cpuNanos);
// The report among whatever else the program printed; none when it is
// missing or garbled.
std::optional<FirstPaintReport> FindFirstPaintReport(const std::string& output);

// Milliseconds from each start to its first paint, the game's window and a
// bare Qt window started in turn.
struct StartRuns {
  std::vector<double> game;
  std::vector<double> bare;
  std::vector<double> gameCpu;
};

// Both medians, the game's CPU time, and the game's start as a ratio to the
// bare window's, which must stay at most 1.5; every run in a note.
void AddStartRows(BenchTable& table, const StartRuns& runs);
