// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartAmounts.h"

#include <cstdio>

#include "GameState.h"
#include "LedText.h"
#include "Money.h"

double ChartAmount(int row, int coins, double coinValue) {
  const std::int64_t cents =
      money::ToCents(coinValue) * PayTable.at(static_cast<std::size_t>(row)) * coins;
  return money::FromCents(cents);
}

QString ChartAmountText(double amount, int coins) {
  char text[64];
  std::snprintf(text, sizeof text, "%*.2f", coins == 1 ? 7 : 8, amount);
  QString result = QString::fromLatin1(text);
  result.replace(u'.', LocaleDecimalPoint());
  return result;
}

QString CoinValueCaption(int bet, double coinValue) {
  if (bet >= 0 && bet < CoinValueCount)
    return QString::fromUtf8(CoinValueCaptions[static_cast<std::size_t>(bet)]);
  // An unknown index runs the game at the default coin value; name that one.
  for (int i = 0; i < CoinValueCount; ++i) {
    if (money::ToCents(CoinValues[static_cast<std::size_t>(i)]) == money::ToCents(coinValue))
      return QString::fromUtf8(CoinValueCaptions[static_cast<std::size_t>(i)]);
  }
  return QString();
}
