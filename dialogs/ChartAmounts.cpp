// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartAmounts.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <cstdio>

#include "GameState.h"
#include "LedText.h"
#include "Money.h"
#include "ReadableNumbers.h"

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
  constexpr std::array<const char*, ChartRows> rowNames{
      QT_TRANSLATE_NOOP("TPayoffs", "Three Voltaro symbols"),
      QT_TRANSLATE_NOOP("TPayoffs", "Three Lucky Sevens"),
      QT_TRANSLATE_NOOP("TPayoffs", "Three Diamonds"),
      QT_TRANSLATE_NOOP("TPayoffs", "Three Bells"),
      QT_TRANSLATE_NOOP("TPayoffs", "Three Magnets"),
      QT_TRANSLATE_NOOP("TPayoffs", "Three Cherries"),
      QT_TRANSLATE_NOOP("TPayoffs", "Two Cherries on wheels 1 and 2")};
  //: What a win pays for %n coins on the line, read out; %1 is the amount, such as 10.00.
  const auto coins = [](int n) {
    return QCoreApplication::translate("TPayoffs", "%n coins %1", nullptr, n);
  };
  //: A row of the payoff chart, read out: %1 is the win, such as Three Bells, and %2 what it
  //: pays for one to five coins.
  const QString rowText = QCoreApplication::translate("TPayoffs", "%1: %2.");
  QStringList lines;
  for (int row = 0; row < ChartRows; ++row) {
    QStringList amounts;
    for (int n = 1; n <= ChartColumns; ++n) {
      const QString amount = AmountDigits(money::ToCents(ChartAmount(row, n, coinValue)));
      amounts << coins(n).arg(amount);
    }
    const char* name = rowNames[static_cast<std::size_t>(row)];
    lines << rowText.arg(QCoreApplication::translate("TPayoffs", name),
                         amounts.join(QStringLiteral(", ")));
  }
  return lines.join(QLatin1Char('\n'));
}

QString CoinValueCaption(int bet, double coinValue) {
  if (bet >= 0 && bet < CoinValueCount)
    return CoinValueText(money::ToCents(CoinValues[static_cast<std::size_t>(bet)]));
  // An unknown index runs the game at the default coin value; name that one.
  for (int i = 0; i < CoinValueCount; ++i) {
    if (money::ToCents(CoinValues[static_cast<std::size_t>(i)]) == money::ToCents(coinValue))
      return CoinValueText(money::ToCents(coinValue));
  }
  return QString();
}
