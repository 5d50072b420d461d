// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceDescription.h"

#include <QLocale>

#include "MachineView.h"

namespace {

QString Money(const FaceReadings& readings, MoneyReadout which) {
  // As the readouts show money: the local decimal point, no grouping.
  QLocale locale = QLocale::system();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(readings.money[static_cast<std::size_t>(which)], 'f', 2);
}

}  // namespace

QString FaceDescription(const FaceReadings& readings) {
  QString text =
      QStringLiteral("Credits %1, wager %2, won %3, bonus pool %4, power %5%, spins %6")
          .arg(Money(readings, MoneyReadout::Credits), Money(readings, MoneyReadout::Wager),
               Money(readings, MoneyReadout::Won), Money(readings, MoneyReadout::Bonus))
          .arg(readings.power)
          .arg(readings.spins);
  if (readings.freeSpinsLeft > 0)
    text += QStringLiteral(", free spins left %1").arg(readings.freeSpinsLeft);
  return text;
}
