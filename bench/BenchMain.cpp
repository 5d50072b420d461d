// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the game on this machine and prints each figure beside its ideal:
//   voltaro_bench [--markdown] [draw repetitions [spins per speed]]
// The first figures are taken first: the time from a start of the program to
// the first painted face of its main window, beside the same for a bare Qt
// window. For them the benchmark starts itself again as
//   voltaro_bench --first-paint-only
// which builds the window as the game does, reports its first paint and ends.

#include <QApplication>
#include <QEvent>
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
#include "SingleGame.h"
#include "StartCosts.h"
#include "StartFigures.h"
#include "Timings.h"
#include "Translations.h"

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

// Reports the end of the first paint it sees and ends the program there:
// what the start puts off until after it is not part of the figure.
class ReportFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    watched->event(event);
    std::printf("%s\n",
                FirstPaintLine(process_stats::WallNanos(), process_stats::CpuNanos()).c_str());
    std::fflush(stdout);
    std::_Exit(0);
  }
};

// The game's own start, as main() makes it, up to the first painted face.
int StartGameWindowOnly(int argc, char** argv) {
  PrepareBeforeApplication();
  QApplication application(argc, argv);
  PrepareApplication();
  SlotEnvironment environment = SlotEnvironment::Standard();
  environment.programDir = QStringLiteral(VOLTARO_PROGRAM_DIR);
  InstallTranslations(environment.programDir);
  const auto settingsLock = ClaimSettingsFile(environment.settingsPath);
  if (!settingsLock) return 1;
  TForm1 form(std::move(environment));
  AfterFirstPaint(form, [&form] {
    SetProgramIcon();
    form.CreatePayoffChart();
  });
  ReportFirstPaint report;
  FaceOf(form).installEventFilter(&report);
  form.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--first-paint-only") == 0)
    return StartGameWindowOnly(argc, argv);
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
  MeasureStartAgainstBareWindow(table, QCoreApplication::applicationFilePath(),
                                QStringLiteral(VOLTARO_BARE_WINDOW), 5);

  BenchForm form(std::move(environment));
  AfterFirstPaint(form, [&form] {
    SetProgramIcon();
    form.CreatePayoffChart();
  });
  if (!ShowAndWaitForFirstPaint(form, FaceOf(form)))
    table.AddNote("the benchmark's window was never painted");

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
                    .arg(FaceOf(form).width())
                    .arg(FaceOf(form).height() + PanelHeight)
                    .arg(FaceOf(form).SymbolSize())
                    .toStdString());
  table.Print(markdown);
  return table.AllMet() ? 0 : 1;
}
