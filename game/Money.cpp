#include "Money.h"

namespace money {

std::int64_t ToCents(double dollars) {
  // Half away from zero, like llround, but without the library call: this
  // runs several times for every coin that moves.
  const double cents = dollars * 100.0;
  return static_cast<std::int64_t>(cents < 0 ? cents - 0.5 : cents + 0.5);
}

double FromCents(std::int64_t cents) { return static_cast<double>(cents) / 100.0; }

double Round(double dollars) { return FromCents(ToCents(dollars)); }

double Add(double a, double b) { return FromCents(ToCents(a) + ToCents(b)); }

double Sub(double a, double b) { return FromCents(ToCents(a) - ToCents(b)); }

double Times(double amount, double factor) { return Round(amount * factor); }

bool Less(double a, double b) { return ToCents(a) < ToCents(b); }

bool LessOrEqual(double a, double b) { return ToCents(a) <= ToCents(b); }

bool IsZero(double a) { return ToCents(a) == 0; }

int CoinsIn(double amount, double coinValue) {
  const std::int64_t coin = ToCents(coinValue);
  if (coin <= 0) return 0;
  const std::int64_t cents = ToCents(amount);
  return static_cast<int>((cents + coin / 2) / coin);
}

}  // namespace money
