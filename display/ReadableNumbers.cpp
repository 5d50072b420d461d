// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadableNumbers.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The order of day, month and year in a locale's short date ("dMy"), and the
// separator between them.
struct ShortDate {
  QString fields;
  QString separator;
};

ShortDate ShortDateOf(const QLocale& locale) {
  // Qt's short date for the C locale reads "8 Dec 2026"; the C locale's own,
  // as the C library writes it, is month, day, year: "12/08/26".
  if (locale.language() == QLocale::C) return {QStringLiteral("Mdy"), QStringLiteral("/")};
  ShortDate date;
  bool quoted = false;
  for (const QChar c : locale.dateFormat(QLocale::ShortFormat)) {
    if (c == u'\'') {
      quoted = !quoted;
    } else if (quoted) {
      continue;
    } else if (c == u'd' || c == u'M' || c == u'y') {
      if (!date.fields.contains(c)) date.fields += c;
    } else if (date.separator.isEmpty() && !c.isLetterOrNumber() && !c.isSpace() &&
               c.category() != QChar::Other_Format) {
      // Not the marks some scripts set around the separator for direction.
      date.separator = c;
    }
  }
  if (date.fields.size() != 3) date.fields = QStringLiteral("Mdy");
  if (date.separator.isEmpty()) date.separator = QStringLiteral("/");
  return date;
}

}  // namespace

QLocale PlayerLocale() {
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return locale;
}

QString AmountDigits(std::int64_t cents) {
  // Whole cents, never through a double: the largest amounts keep every digit.
  const QLocale locale = PlayerLocale();
  const std::int64_t size = cents < 0 ? -cents : cents;
  const std::int64_t part = size % 100;
  return (cents < 0 ? locale.negativeSign() : QString()) +
         locale.toString(static_cast<qlonglong>(size / 100)) + locale.decimalPoint() +
         (part < 10 ? locale.zeroDigit() : QString()) +
         locale.toString(static_cast<qlonglong>(part));
}

QString AmountText(std::int64_t cents) {
  const QString figures = AmountDigits(cents < 0 ? -cents : cents);
  //: An amount of money; %1 is its figures, such as 1000.00. A minus sign
  //: goes in front of the whole text.
  const QString amount = QCoreApplication::translate("Numbers", "$%1").arg(figures);
  return cents < 0 ? PlayerLocale().negativeSign() + amount : amount;
}

QString PercentText(double percent, int decimals) {
  //: A percentage; %1 is the number, such as 97.5.
  return QCoreApplication::translate("Numbers", "%1%")
      .arg(PlayerLocale().toString(percent, 'f', decimals));
}

QString CountText(std::int64_t count) {
  return PlayerLocale().toString(static_cast<qlonglong>(count));
}

QString CoinValueText(std::int64_t cents) {
  if (cents >= 100 && cents % 100 == 0)
    return QCoreApplication::translate("Numbers", "$%1").arg(CountText(cents / 100));
  if (cents >= 100) return AmountText(cents);
  //: A coin value under a dollar; %1 is the number of cents, such as 25.
  return QCoreApplication::translate("Numbers", "%1\u00a2").arg(CountText(cents));
}

QString ShortDateSeparator(const QLocale& locale) { return ShortDateOf(locale).separator; }

QString ShortDateText(int year, int month, int day) {
  const QLocale locale = PlayerLocale();
  const ShortDate order = ShortDateOf(locale);
  QStringList parts;
  for (const QChar field : order.fields) {
    const int value = field == u'd' ? day : field == u'M' ? month : year % 100;
    parts << (value < 10 ? locale.zeroDigit() : QString()) + locale.toString(value);
  }
  return parts.join(order.separator);
}
