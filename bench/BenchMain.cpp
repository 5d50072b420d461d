// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the game on this machine and prints each figure beside its ideal:
//   voltaro_bench [--markdown] [draw repetitions [spins per speed]]
// The first figure is taken first: the time from process start to the first
// painted face of the real main window, built as the program builds it.

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "Application.h"
#include "BenchForm.h"
#include "BenchTable.h"
#include "FaceCosts.h"
#include "HistoryWindowCosts.h"
#include "MachineFace.h"
#include "PlanCosts.h"
#include "PlayTimings.h"
#include "ProcessStats.h"
#include "SettingsFileCosts.h"
#include "Timings.h"

namespace {

// No box may stop a measured spin; anything the window would say is shown
// on the terminal instead.
DialogServices TerminalDialogs() {
  DialogServices dialogs = DialogServices::Standard();
  auto say = [](QWidget*, const QString& text) {
    std::fprintf(stderr, "window says: %s\n", qPrintable(text));
  };
  dialogs.information = say;
  dialogs.warning = say;
  dialogs.openFile = [](QWidget*, const QString&, const QString&, const QString&) {
    return QString();
  };
  dialogs.chooseColor = [](QWidget*, const QColor&) -> std::optional<QColor> {
    return std::nullopt;
  };
  return dialogs;
}

}  // namespace

int main(int argc, char** argv) {
  const std::int64_t mainEntered = process_stats::WallNanos();
  PrepareBeforeApplication();
  QApplication application(argc, argv);
  PrepareApplication();

  bool markdown = false;
  int numbers[2] = {500, 3};
  int given = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--markdown") == 0)
      markdown = true;
    else if (given < 2)
      numbers[given++] = std::max(1, std::atoi(argv[i]));
  }

  // A settings file of its own, so the player's choices neither shape the
  // figures nor get overwritten.
  QTemporaryDir settingsDir;
  SlotEnvironment environment;
  environment.programDir = QStringLiteral(VOLTARO_PROGRAM_DIR);
  environment.settingsPath = settingsDir.filePath(QStringLiteral("VOLTA.INI"));
  auto chance = std::make_unique<ScriptedStops>();
  ScriptedStops& script = *chance;
  environment.random = std::move(chance);
  environment.dialogs = TerminalDialogs();

  BenchTable table;
  BenchForm form(std::move(environment));
  form.CreatePayoffChart();
  SetWindowIconAfterFirstPaint(form);
  const FirstPaint first = ShowAndWaitForFirstPaint(form, form.Face(), mainEntered);
  if (first.sinceProcessStart < 0) {
    table.AddNote("start-up: the face was never painted");
  } else {
    table.AddBelowLimit("process start to first painted face", first.sinceProcessStart, 120, "ms");
    table.AddPlain("  of which main() to first painted face", first.sinceMark, "ms");
    table.AddPlain("  CPU time to first painted face", first.cpuMillis, "ms");
  }

  // What the start puts off until just after the first paint (the sound
  // library and the sounds, the music, the icon) is long done when a player
  // spins; here it would land in the first spin measured.
  QEventLoop settling;
  QTimer::singleShot(4 * timings::MusicStartDelay, &settling, &QEventLoop::quit);
  settling.exec();

  MeasureFaceCosts(table, numbers[0]);
  MeasureSpins(form, script, table, numbers[1]);
  MeasureCountUp(form, script, table);
  MeasurePlanSize(table);
  MeasureGameKeeping(form, table);
  MeasureHistoryWindowCosts(form, table, 20);

  table.AddPlain("peak memory (VmHWM) after play",
                 static_cast<double>(process_stats::PeakResidentKiB()) / 1024, "MiB");
  // After the peak memory figure, which the big file would raise.
  MeasureSettingsFileCosts(table);
  table.AddNote(QStringLiteral("platform: %1, face %2 x %3 at S = %4")
                    .arg(QApplication::platformName())
                    .arg(form.Face().width())
                    .arg(form.Face().height() + PanelHeight)
                    .arg(form.Face().SymbolSize())
                    .toStdString());
  table.Print(markdown);
  return table.AllMet() ? 0 : 1;
}
