// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleGame.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "GameState.h"

std::optional<SettingsLock> ClaimSettingsFile(const QString& settingsPath) {
  SettingsLock lock = SettingsLock::Take(settingsPath.toStdString());
  const QString title = QString::fromUtf8(ProductTitle);
  switch (lock.Result()) {
    case SettingsLock::State::HeldElsewhere: {
      // Two games on one file would each write back their own game, and the
      // later one would wipe out the other's play.
      //: %1 is the game's name.
      const QString text = QCoreApplication::translate(
          "SingleGame", "%1 is already running with this settings file.");
      QMessageBox::information(nullptr, title, text.arg(title));
      return std::nullopt;
    }
    case SettingsLock::State::Unavailable: {
      //: %1 is the game's name, %2 the settings file's path, %3 why it cannot be locked.
      const QString text = QCoreApplication::translate(
          "SingleGame",
          "%1 cannot lock its settings file, so it cannot make sure that no other copy of the game "
          "uses it. You can play, but the game is not saved while the file cannot be locked.\n\n"
          "%2: %3");
      QMessageBox::warning(nullptr, title,
                           text.arg(title, settingsPath, QString::fromStdString(lock.Problem())));
      break;
    }
    case SettingsLock::State::Held:
    // The game tells it itself once its window shows (GameSession).
    case SettingsLock::State::Refused:
      break;
  }
  return lock;
}
