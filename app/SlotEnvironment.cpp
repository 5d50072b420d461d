#include "SlotEnvironment.h"

#include <QCoreApplication>

#include "ConfigLocation.h"

SlotEnvironment SlotEnvironment::Standard() {
  SlotEnvironment environment;
  environment.programDir = QCoreApplication::applicationDirPath() + '/';
  environment.settingsPath = QString::fromStdString(SettingsFilePath());
  environment.random = std::make_unique<RandomSource>();
  environment.dialogs = PlatformDialogs::Standard();
  return environment;
}
