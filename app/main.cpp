// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "Application.h"
#include "CommandLine.h"
#include "SingleGame.h"
#include "Slot.h"

int main(int argc, char* argv[]) {
  if (const auto exitCode = AnswerCommandLine(argc, argv)) return *exitCode;

  PrepareBeforeApplication();
  QApplication application(argc, argv);
  PrepareApplication();

  SlotEnvironment environment = SlotEnvironment::Standard();
  const auto settingsLock = ClaimSettingsFile(environment.settingsPath);
  if (!settingsLock) return 1;
  TForm1 form(std::move(environment));
  form.CreatePayoffChart();
  form.show();
  return QApplication::exec();
}
