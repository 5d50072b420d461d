// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleGame.h"

#include <QMessageBox>

#include "GameState.h"

std::optional<SettingsLock> ClaimSettingsFile(const QString& settingsPath) {
  SettingsLock lock = SettingsLock::Take(settingsPath.toStdString());
  if (lock.Result() == SettingsLock::State::HeldElsewhere) {
    // Two games on one file would each write back their own game at close,
    // and the later one would wipe out the other's play.
    QMessageBox::information(
        nullptr, QString::fromUtf8(ProductTitle),
        QString::fromUtf8(ProductTitle) + QString::fromUtf8(AlreadyRunningText));
    return std::nullopt;
  }
  return lock;
}
