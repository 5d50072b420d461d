// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartAmounts.h"

#include <QStringList>
#include <array>
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

QString ChartText(double coinValue) {
  // The rows' pictures: symbol 0 to 5 three times, then symbol 5 twice.
  constexpr std::array<const char*, ChartRows> rowNames{"Three Voltaro symbols",
                                                        "Three Lucky Sevens",
                                                        "Three Diamonds",
                                                        "Three Bells",
                                                        "Three Magnets",
                                                        "Three Cherries",
                                                        "Two Cherries on wheels 1 and 2"};
  QStringList lines;
  for (int row = 0; row < ChartRows; ++row) {
    QStringList amounts;
    for (int coins = 1; coins <= ChartColumns; ++coins)
      amounts << QStringLiteral("%1 %2 %3")
                     .arg(coins)
                     .arg(coins == 1 ? QStringLiteral("coin") : QStringLiteral("coins"))
                     .arg(ChartAmountText(ChartAmount(row, coins, coinValue), coins).trimmed());
    lines << QString::fromLatin1(rowNames[static_cast<std::size_t>(row)]) + QStringLiteral(": ") +
                 amounts.join(QStringLiteral(", ")) + QLatin1Char('.');
  }
  return lines.join(QLatin1Char('\n'));
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
