// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceDescription.h"

#include <QLocale>
#include <QStringList>

#include "GameState.h"
#include "MachineView.h"

namespace {

QString Amount(double value) {
  // As the readouts show money: the local decimal point, no grouping.
  QLocale locale = QLocale::system();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', 2);
}

QString Money(const FaceReadings& readings, MoneyReadout which) {
  return Amount(readings.money[static_cast<std::size_t>(which)]);
}

// "1", "1 and 3", "1, 2 and 5".
QString LineList(std::uint8_t lines) {
  QStringList numbers;
  for (int line = 0; line < 5; ++line)
    if ((lines >> line & 1u) != 0) numbers << QString::number(line + 1);
  if (numbers.size() < 2) return numbers.join(QString());
  const QString last = numbers.takeLast();
  return numbers.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

int LineCountOf(std::uint8_t lines) {
  int count = 0;
  for (int line = 0; line < 5; ++line) count += (lines >> line) & 1;
  return count;
}

// "won 1.50 on lines 1 and 3", "no win", each with the bonus when the play
// filled the meter.
QString PlayResult(const PlayRecord& play) {
  QString text;
  if (play.win > 0)
    text = QStringLiteral("won %1 on %2 %3")
               .arg(Amount(play.win),
                    LineCountOf(play.winningLines) == 1 ? QStringLiteral("line")
                                                        : QStringLiteral("lines"),
                    LineList(play.winningLines));
  else
    text = QStringLiteral("no win");
  if (play.poolPaid > 0)
    text += QStringLiteral(", bonus pool of %1 paid and %2 free spins won")
                .arg(Amount(play.poolPaid))
                .arg(FreeSpinsPerBonus);
  return text;
}

}  // namespace

QString SymbolName(int code) {
  switch (code) {
    case 0:
      return QStringLiteral("Voltaro");
    case 1:
      return QStringLiteral("Lucky Seven");
    case 2:
      return QStringLiteral("Diamond");
    case 3:
      return QStringLiteral("Bell");
    case 4:
      return QStringLiteral("Magnet");
    case 5:
      return QStringLiteral("Cherries");
    case 6:
      return QStringLiteral("Power Drain");
    default:
      return QStringLiteral("no symbol");
  }
}

QString FaceDescription(const FaceReadings& readings) {
  QString text =
      QStringLiteral("Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6")
          .arg(Money(readings, MoneyReadout::Credits), Money(readings, MoneyReadout::Wager),
               Money(readings, MoneyReadout::Won), Money(readings, MoneyReadout::Bonus))
          .arg(readings.power)
          .arg(readings.spins);
  if (readings.freeSpinsLeft > 0)
    text += QStringLiteral(", free spins left %1").arg(readings.freeSpinsLeft);
  text += QStringLiteral(". Middle row: %1, %2, %3")
              .arg(SymbolName(readings.middleRow[0]), SymbolName(readings.middleRow[1]),
                   SymbolName(readings.middleRow[2]));
  text += readings.payingLines == 0
              ? QStringLiteral(". No line pays")
              : QStringLiteral(". Paying %1 %2")
                    .arg(LineCountOf(readings.payingLines) == 1 ? QStringLiteral("line")
                                                                : QStringLiteral("lines"),
                         LineList(readings.payingLines));
  text += readings.lastPlay ? QStringLiteral(". Last spin: %1.").arg(PlayResult(*readings.lastPlay))
                            : QStringLiteral(". No spin yet.");
  return text;
}

QString ResultAnnouncement(const FaceReadings& readings) {
  QString text = readings.lastPlay ? PlayResult(*readings.lastPlay) : QStringLiteral("no win");
  if (readings.lastPlay && readings.lastPlay->free) text.prepend(QStringLiteral("Free spin, "));
  text[0] = text[0].toUpper();
  text += u'.';
  if (readings.freeSpinsLeft > 0)
    text +=
        QStringLiteral(" %1 free %2 left.")
            .arg(readings.freeSpinsLeft)
            .arg(readings.freeSpinsLeft == 1 ? QStringLiteral("spin") : QStringLiteral("spins"));
  return text;
}
