// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Rows and columns of the payoff chart.
inline constexpr int ChartRows = 7;
inline constexpr int ChartColumns = 5;

// What row `row` of the pay table pays for `coins` coins on a line at a coin
// value, to the cent.
double ChartAmount(int row, int coins, double coinValue);

// An amount as the chart shows it: "%7.2f" for one coin, "%8.2f" for more,
// with the system's decimal separator.
QString ChartAmountText(double amount, int coins);

// The chart in words, a line a row: what it takes and what it pays for one
// to five coins ("Three Bells: 1 coin 5.00, 2 coins 10.00, ..."). The
// pictures and LED amounts are images; this is their text.
QString ChartText(double coinValue);

// The caption of a coin value: the Bet Amount item's for a known Bet index,
// otherwise the one whose value is in force.
QString CoinValueCaption(int bet, double coinValue);
