// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <utility>

#include "ChartPlot.h"
#include "GameChart.h"
#include "GameStatistics.h"

// The two charts of the game history, in the player's language and numbers.
class GameCharts {
  Q_DECLARE_TR_FUNCTIONS(GameCharts)

 public:
  // The credits after every play since New Game, bonuses and the player's own
  // loans and pay-backs marked.
  static PlotData Credits(const GameChart& chart);

  // The return so far against the paid spins, beside the machine's exact
  // long-run return at the player's most used bet and the band the return
  // so far of 99 games in 100 ends in, at each number of spins.
  static PlotData Return(const GameChart& chart, const GameStatistics& totals);

 private:
  static QString MarkWords(std::uint8_t marks);
  static QStringList MarkList(std::uint8_t marks);
  // A play's figures, a line each: the win, each loan and pay-back, the credits.
  static QString PlayFigures(const std::vector<ChartPoint>& points, std::int64_t play);
};

// The band at n paid spins of `coins` coins, as returns (1.0 is all money
// back): the long-run return less and plus the reach of luck, never below 0.
std::pair<double, double> LuckBand(int coins, double paidSpins);
