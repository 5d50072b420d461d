// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ConfigLocation.h"

QString ProgramDataDir(const QString& executableDir) {
  // The help file ships with every copy of the game, so it marks the folder.
  const auto holdsData = [](const QString& dir) {
    return QFileInfo(dir + QStringLiteral("/VOLTA.HLP")).isFile();
  };
  const QString beside = QDir::cleanPath(executableDir);
  if (holdsData(beside)) return beside + '/';
  const QString installed = QDir::cleanPath(beside + QStringLiteral("/" VOLTARO_DATA_FROM_BIN));
  if (holdsData(installed)) return installed + '/';
  // Neither holds it: the game starts and reports each missing file as usual.
  return beside + '/';
}

SlotEnvironment SlotEnvironment::Standard() {
  SlotEnvironment environment;
  environment.programDir = ProgramDataDir(QCoreApplication::applicationDirPath());
  environment.settingsPath = QString::fromStdString(SettingsFilePath());
  environment.random = std::make_unique<RandomSource>();
  environment.dialogs = DialogServices::Standard();
  return environment;
}
