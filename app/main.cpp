// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "Application.h"
#include "CloseOnSignal.h"
#include "CommandLine.h"
#include "SingleGame.h"
#include "Slot.h"
#include "Translations.h"

int main(int argc, char* argv[]) {
  // From the first moment: a signal during the start, its boxes included,
  // is told and ends with status 1, never by the signal itself.
  EndStartOnSignal();
  if (const auto exitCode = AnswerCommandLine(argc, argv)) return *exitCode;

  PrepareBeforeApplication();
  QApplication application(argc, argv);
  PrepareApplication();

  SlotEnvironment environment = SlotEnvironment::Standard();
  // Before the first box: the one saying the game is already running.
  InstallTranslations(environment.programDir);
  const auto settingsLock = ClaimSettingsFile(environment.settingsPath);
  if (!settingsLock) return 1;
  TForm1 form(std::move(environment));
  // A logout, a closed terminal or Ctrl+C closes the game as File > Exit
  // does, boxes and dialogs first, but nobody is there to answer a box: a
  // failed write is told on stderr and in the exit status. Then every event
  // loop ends, and a box or dialog that the interrupted handler would open
  // next returns at once, so no handler keeps the program alive without its
  // window.
  const CloseOnSignal closeOnSignal(
      [&form](int) { QCoreApplication::exit(form.CloseUnattended() ? 0 : 1); });
  // Qt ends the program with exit() when the display goes away.
  RunAtExit([&form] { form.SaveGameAtExit(); });
  // The payoff chart's window, hidden until asked for, and the icon come
  // after the first paint.
  AfterFirstPaint(form, [&form] {
    SetProgramIcon();
    form.CreatePayoffChart();
  });
  form.show();
  const int status = QApplication::exec();
  RunAtExit(nullptr);
  return status;
}
