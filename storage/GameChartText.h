// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "GameChart.h"
#include "GameStatistics.h"
#include "Profile.h"
#include "ProfileText.h"

// The chart of the game in the settings file: a section of its own,
// rewritten whole on every save, one key per point, oldest first, Point1 to
// at most Point2000:
//
//   Point1=57, 50, 993.75, 312.50, 298.25, Bonus Loan
//
// with the fields: the play number, the paid spins, the credits, the money
// wagered and returned since New Game, and the marks ("Bonus", "Loan",
// "PayBack", or "none"). A point that does not read, that goes back in time
// from the one before it, or that lies beyond the game's totals is dropped; the
// others close up the gap. The chart only shows: nothing read here reaches
// the credits or the totals.
inline constexpr const char* ChartSection = "Game Chart";

ProfileEntries ChartEntries(const GameChart& chart);
// `totals` are the game's statistics as already read: a point past them
// belongs to no game this file holds.
GameChart ReadChart(const ProfileText& file, const GameStatistics& totals);

std::string ChartPointText(const ChartPoint& point);
std::optional<ChartPoint> ParseChartPoint(std::string_view text);
