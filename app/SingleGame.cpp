// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleGame.h"

#include <QMessageBox>

#include "GameState.h"

std::optional<SettingsLock> ClaimSettingsFile(const QString& settingsPath) {
  SettingsLock lock = SettingsLock::Take(settingsPath.toStdString());
  const QString title = QString::fromUtf8(ProductTitle);
  switch (lock.Result()) {
    case SettingsLock::State::HeldElsewhere:
      // Two games on one file would each write back their own game, and the
      // later one would wipe out the other's play.
      QMessageBox::information(nullptr, title, title + QString::fromUtf8(AlreadyRunningText));
      return std::nullopt;
    case SettingsLock::State::Unavailable:
      QMessageBox::warning(nullptr, title,
                           title + QString::fromUtf8(CannotLockText) + QStringLiteral("\n\n") +
                               settingsPath + QStringLiteral(": ") +
                               QString::fromStdString(lock.Problem()));
      break;
    case SettingsLock::State::Held:
      break;
  }
  return lock;
}
