#pragma once

#include <cstdint>

// Money is kept in dollars, as doubles, but every amount the game stores is
// the nearest double to a whole number of cents. All arithmetic on money goes
// through these helpers, which compute in integer cents, so that a long game
// never drifts and comparisons such as Credits < CoinValue are always right.
namespace money {

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

}  // namespace money
