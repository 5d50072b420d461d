// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Money is kept in dollars, as doubles, but every amount the game stores is
// the nearest double to a whole number of cents. All arithmetic on money goes
// through these helpers, which compute in integer cents, so that a long game
// never drifts and comparisons such as Credits < CoinValue are always right.
//
// Every amount stays within plus or minus LargestCents: a sum, product or
// conversion that would go beyond stops at the limit instead of wrapping.
namespace money {

// 9,999,999,999.99: the settings file keeps ten digits before the point, so
// this is the largest amount that survives a write and a read to the cent
// (and far inside the range where a double holds every cent exactly).
inline constexpr std::int64_t LargestCents = 999'999'999'999;
inline constexpr double LargestAmount = 9'999'999'999.99;

std::int64_t ToCents(double dollars);
double FromCents(std::int64_t cents);

// Nearest whole cent.
double Round(double dollars);

double Add(double a, double b);
double Sub(double a, double b);
// amount * factor, rounded to the cent (pool contribution, coin multiples).
double Times(double amount, double factor);

bool Less(double a, double b);
bool LessOrEqual(double a, double b);
bool IsZero(double a);

// Whole coins in an amount, rounded to the nearest coin.
int CoinsIn(double amount, double coinValue);
// Coins in an amount, not rounded (a part coin is a fraction), divided in
// whole cents so that six coins are exactly 6 and never 5.999...
double CoinsLeft(double amount, double coinValue);

}  // namespace money
