// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceDescription.h"

#include <QCoreApplication>
#include <QStringList>

#include "GameState.h"
#include "MachineView.h"
#include "Money.h"
#include "ReadableNumbers.h"

namespace {

// What the face says is translated in the "FaceDescription" context.
struct FaceText {
  Q_DECLARE_TR_FUNCTIONS(FaceDescription)
};

// As the readouts show money: the local decimal point, no grouping.
QString Amount(double value) { return AmountDigits(money::ToCents(value)); }

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
  //: The end of a list of payline numbers: "1, 2 and 5".
  return FaceText::tr("%1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

int LineCountOf(std::uint8_t lines) {
  int count = 0;
  for (int line = 0; line < 5; ++line) count += (lines >> line) & 1;
  return count;
}

// "won 1.50 on lines 1 and 3", "no win", each with the bonus when the play
// filled the meter: a clause that the description and the announcement put
// into a sentence of their own.
QString PlayResult(const PlayRecord& play) {
  const bool oneLine = LineCountOf(play.winningLines) == 1;
  const QString lines = LineList(play.winningLines);
  if (play.bonus) {
    const QString pool = Amount(play.poolPaid);
    if (play.win <= 0)
      return FaceText::tr("no win, bonus pool of %1 paid and %n free spins won", nullptr,
                          FreeSpinsPerBonus)
          .arg(pool);
    return (oneLine
                ? FaceText::tr("won %1 on line %2, bonus pool of %3 paid and %n free spins won",
                               nullptr, FreeSpinsPerBonus)
                : FaceText::tr("won %1 on lines %2, bonus pool of %3 paid and %n free spins won",
                               nullptr, FreeSpinsPerBonus))
        .arg(Amount(play.win), lines, pool);
  }
  if (play.win <= 0) return FaceText::tr("no win");
  return (oneLine ? FaceText::tr("won %1 on line %2") : FaceText::tr("won %1 on lines %2"))
      .arg(Amount(play.win), lines);
}

}  // namespace

QString SymbolName(int code) {
  switch (code) {
    case 0:
      //: The symbol named after the game.
      return FaceText::tr("Voltaro");
    case 1:
      return FaceText::tr("Lucky Seven");
    case 2:
      return FaceText::tr("Diamond");
    case 3:
      return FaceText::tr("Bell");
    case 4:
      return FaceText::tr("Magnet");
    case 5:
      return FaceText::tr("Cherries");
    case 6:
      return FaceText::tr("Power Drain");
    default:
      return FaceText::tr("no symbol");
  }
}

QString FaceDescription(const FaceReadings& readings) {
  QString readouts =
      (readings.freeSpinsLeft > 0
           ? FaceText::tr("Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6, "
                          "free spins left %7.")
           : FaceText::tr("Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6."))
          .arg(Money(readings, MoneyReadout::Credits), Money(readings, MoneyReadout::Wager),
               Money(readings, MoneyReadout::Won), Money(readings, MoneyReadout::Bonus))
          .arg(readings.power)
          .arg(readings.spins);
  if (readings.freeSpinsLeft > 0) readouts = readouts.arg(readings.freeSpinsLeft);
  QStringList sentences{readouts};
  sentences << FaceText::tr("Middle row: %1, %2, %3.")
                   .arg(SymbolName(readings.middleRow[0]), SymbolName(readings.middleRow[1]),
                        SymbolName(readings.middleRow[2]));
  if (readings.payingLines == 0)
    sentences << FaceText::tr("No line pays.");
  else
    sentences << (LineCountOf(readings.payingLines) == 1 ? FaceText::tr("Paying line %1.")
                                                         : FaceText::tr("Paying lines %1."))
                     .arg(LineList(readings.payingLines));
  sentences << (readings.lastPlay
                    ? FaceText::tr("Last spin: %1.").arg(PlayResult(*readings.lastPlay))
                    : FaceText::tr("No spin yet."));
  return sentences.join(u' ');
}

QString ResultAnnouncement(const FaceReadings& readings) {
  QString text = readings.lastPlay ? PlayResult(*readings.lastPlay) : FaceText::tr("no win");
  text = readings.lastPlay && readings.lastPlay->free ? FaceText::tr("Free spin, %1.").arg(text)
                                                      : text + u'.';
  text[0] = text[0].toUpper();
  if (readings.freeSpinsLeft > 0)
    text += u' ' + FaceText::tr("%n free spins left.", nullptr, readings.freeSpinsLeft);
  return text;
}
