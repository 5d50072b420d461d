// SPDX-License-Identifier: GPL-3.0-or-later
#include "Money.h"

#include <algorithm>
#include <limits>

namespace money {

namespace {

std::int64_t Saturate(std::int64_t cents) { return std::clamp(cents, -LargestCents, LargestCents); }

}  // namespace

std::int64_t ToCents(double dollars) {
  // Half away from zero, like llround, but without the library call: this
  // runs several times for every coin that moves. The range is checked
  // before the cast, which would be undefined for huge values.
  const double cents = dollars * 100.0;
  if (cents >= static_cast<double>(LargestCents)) return LargestCents;
  if (cents <= -static_cast<double>(LargestCents)) return -LargestCents;
  if (cents != cents) return 0;  // not a number
  return static_cast<std::int64_t>(cents < 0 ? cents - 0.5 : cents + 0.5);
}

double FromCents(std::int64_t cents) { return static_cast<double>(Saturate(cents)) / 100.0; }

double Round(double dollars) { return FromCents(ToCents(dollars)); }

// Both sides are within the limit, so their sum or difference cannot
// overflow 64 bits before FromCents saturates it.
double Add(double a, double b) { return FromCents(ToCents(a) + ToCents(b)); }

double Sub(double a, double b) { return FromCents(ToCents(a) - ToCents(b)); }

double Times(double amount, double factor) { return Round(amount * factor); }

bool Less(double a, double b) { return ToCents(a) < ToCents(b); }

bool LessOrEqual(double a, double b) { return ToCents(a) <= ToCents(b); }

bool IsZero(double a) { return ToCents(a) == 0; }

int CoinsIn(double amount, double coinValue) {
  const std::int64_t coin = ToCents(coinValue);
  if (coin <= 0) return 0;
  const std::int64_t coins = (ToCents(amount) + coin / 2) / coin;
  return static_cast<int>(std::clamp<std::int64_t>(coins, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

double CoinsLeft(double amount, double coinValue) {
  const std::int64_t coin = ToCents(coinValue);
  if (coin <= 0) return 0;
  // Both are whole numbers below 2^53, so the quotient is correctly rounded
  // and a whole number of coins comes out whole.
  return static_cast<double>(ToCents(amount)) / static_cast<double>(coin);
}

}  // namespace money
