// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTimings.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "GameState.h"
#include "Money.h"
#include "PlanPlayer.h"
#include "ProcessStats.h"
#include "Reels.h"
#include "Timings.h"
#include "WindowProbe.h"
#include "WindowSearch.h"

namespace {

double Millis(std::int64_t nanos) { return static_cast<double>(nanos) / 1e6; }

// Sets up a paid spin of `coins` coins from the credits and starts it through
// the "Spin" button.
void StartSpin(BenchForm& form, ScriptedStops& chance, int coins, Stops stops) {
  GameState state = Probe(form).State();
  state.FreeSpins = 0;
  state.PowerPts = 0;
  state.Wager = 0;
  state.LastBet = money::Times(state.CoinValue, coins);
  if (money::Less(state.Credits, state.LastBet)) state.Credits = NewGameCredits;
  Probe(form).RestoreGame(state);
  chance.NextStops(stops.wheel1, stops.wheel2, stops.wheel3);
  form.StartTrace();
  form.Button1Click();
}

// The same, played to its end.
const SpinTrace& PlaySpin(BenchForm& form, ScriptedStops& chance, int coins, Stops stops) {
  StartSpin(form, chance, coins, stops);
  form.WaitForPlanEnd();
  return form.Trace();
}

// Presses Spin `afterMs` into a spin (a count-up's start when `duringCount`)
// and returns the milliseconds from the press to the settled face.
double PressToSettled(BenchForm& form, ScriptedStops& chance, int coins, Stops stops, int afterMs,
                      bool duringCount) {
  StartSpin(form, chance, coins, stops);
  QElapsedTimer since;
  since.start();
  while (Probe(form).Playing() && (duringCount ? form.Trace().countStart.wall == 0 : true) &&
         since.elapsed() < afterMs)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  if (duringCount)
    while (Probe(form).Playing() && form.Trace().countStart.wall == 0)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  const std::int64_t pressed = process_stats::WallNanos();
  form.Button1Click();
  const std::int64_t ended = form.WaitForPlanEnd();
  // A count-up is settled with its last coin shown; what follows it (a power
  // sound that holds the game) is not part of the hurry.
  return Millis((duringCount ? form.Trace().countEnd.wall : ended) - pressed);
}

}  // namespace

void MeasureSpins(BenchForm& form, ScriptedStops& chance, BenchTable& table, int spinsPerSpeed) {
  // Nothing after the animation should take time: no win to count, no
  // power sound.
  const auto quiet = FindStops(MaxCoins, [](const GameState& state, int win) {
    return win == 0 && !ShowsPowerSymbol(state);
  });
  if (!quiet) {
    table.AddNote("spins: no losing window without power symbols on these strips");
    return;
  }

  struct Speed {
    const char* name;
    void (TForm1::*select)();
    int delay;
  };
  const Speed speeds[] = {{"Fast", &TForm1::Fast1Click, timings::SpinDelayFast},
                          {"Medium", &TForm1::Medium1Click, timings::SpinDelayMedium},
                          {"Slow", &TForm1::Slow1Click, timings::SpinDelaySlow}};
  std::vector<double> fastCoreShares;
  for (const Speed& speed : speeds) {
    (form.*speed.select)();
    std::vector<double> durations;
    for (int run = 0; run < spinsPerSpeed; ++run) {
      const SpinTrace& trace = PlaySpin(form, chance, MaxCoins, *quiet);
      if (trace.steps != AnimationSteps) {
        table.AddNote(std::string(speed.name) + " spin showed " + std::to_string(trace.steps) +
                      " steps, not " + std::to_string(AnimationSteps));
        continue;
      }
      const std::int64_t wall = trace.lastStep.wall - trace.animationStart.wall;
      durations.push_back(Millis(wall) / 1000);
      if (speed.delay == timings::SpinDelayFast)
        fastCoreShares.push_back(
            100.0 * static_cast<double>(trace.lastStep.cpu - trace.animationStart.cpu) /
            static_cast<double>(wall));
    }
    if (durations.empty()) continue;
    const double ideal = AnimationSteps * speed.delay / 1000.0;
    table.AddNearIdeal(std::string(speed.name) + " spin, 101 steps (median of " +
                           std::to_string(durations.size()) + ")",
                       Median(durations), ideal, 0.03, "s");
  }
  if (!fastCoreShares.empty())
    table.AddBelowLimit("share of one core during a Fast spin", Median(fastCoreShares), 3, "%");

  // The same Fast spin with every game command chosen from the menu while
  // the wheels turn. Whatever box or dialog those open is held 1.5 s, as a
  // player reading it would; the spin must not wait for it.
  form.Fast1Click();
  QPointer<QWidget> seen;
  QTimer holder;
  holder.setInterval(20);
  QObject::connect(&holder, &QTimer::timeout, &form, [&seen] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == seen) return;
    seen = modal;
    QTimer::singleShot(1500, modal, [modal] { modal->close(); });
  });
  holder.start();
  std::vector<double> durations;
  for (int run = 0; run < spinsPerSpeed; ++run) {
    QTimer::singleShot(300, &form, [&form] {
      for (const char* name : {"NewGame2", "Open1", "Save1", "N5001", "N1001", "N50c1", "N25c1",
                               "N10c1", "N5c1", "BorrowCredits1"})
        form.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    });
    const SpinTrace& trace = PlaySpin(form, chance, MaxCoins, *quiet);
    if (trace.steps == AnimationSteps)
      durations.push_back(Millis(trace.lastStep.wall - trace.animationStart.wall) / 1000);
  }
  if (!durations.empty())
    table.AddNearIdeal("Fast spin with the menu used mid-spin (median of " +
                           std::to_string(durations.size()) + ")",
                       Median(durations), AnimationSteps * timings::SpinDelayFast / 1000.0, 0.03,
                       "s");

  // The About box opened 100 ms into a Fast spin and read for 2 s: the
  // wheels turn on underneath at their pace.
  std::vector<double> underBox;
  seen = nullptr;
  for (int run = 0; run < spinsPerSpeed; ++run) {
    QTimer::singleShot(100, &form,
                       [&form] { form.findChild<QAction*>(QStringLiteral("About"))->trigger(); });
    QObject::disconnect(&holder, nullptr, nullptr, nullptr);
    QObject::connect(&holder, &QTimer::timeout, &form, [&seen] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || modal == seen) return;
      seen = modal;
      QTimer::singleShot(2000, modal, [modal] { modal->close(); });
    });
    const SpinTrace& trace = PlaySpin(form, chance, MaxCoins, *quiet);
    // The box outlives the spin: wait for it to close before the next.
    while (QApplication::activeModalWidget() != nullptr)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (trace.steps == AnimationSteps)
      underBox.push_back(Millis(trace.lastStep.wall - trace.animationStart.wall) / 1000);
  }
  holder.stop();
  if (!underBox.empty())
    table.AddNearIdeal(
        "Fast spin with the About box open 2 s (median of " + std::to_string(underBox.size()) + ")",
        Median(underBox), AnimationSteps * timings::SpinDelayFast / 1000.0, 0.03, "s");

  // A Slow spin hurried 500 ms in: the press to the settled face.
  form.Slow1Click();
  std::vector<double> hurried;
  for (int run = 0; run < spinsPerSpeed; ++run)
    hurried.push_back(PressToSettled(form, chance, MaxCoins, *quiet, 500, false));
  table.AddBelowLimit(
      "press to settled face, hurried Slow spin (median of " + std::to_string(hurried.size()) + ")",
      Median(hurried), 100, "ms");
  form.Fast1Click();
}

void MeasureCountUp(BenchForm& form, ScriptedStops& chance, BenchTable& table) {
  constexpr int WinCoins = 5000;
  // The fewest coins that can win it, so that nothing else lights up.
  std::optional<Stops> stops;
  int coins = 1;
  for (; coins <= MaxCoins && !stops; ++coins)
    stops = FindStops(coins, [](const GameState&, int win) { return win == WinCoins; });
  --coins;
  if (!stops) {
    table.AddNote("count-up: no window on these strips wins 5000 coins");
    return;
  }

  form.Fast1Click();
  const SpinTrace& trace = PlaySpin(form, chance, coins, *stops);
  if (trace.coinsCounted != WinCoins || trace.countEnd.wall == 0) {
    table.AddNote("count-up: counted " + std::to_string(trace.coinsCounted) + " coins, not " +
                  std::to_string(WinCoins));
    return;
  }
  double pauses = 0;
  for (int left = WinCoins; left >= 1; --left) pauses += timings::WinCountPause(left);
  const double measured = Millis(trace.countEnd.wall - trace.countStart.wall) / 1000;
  table.AddNearIdeal("5000-coin count-up (" + std::to_string(coins) + " coins bet)", measured,
                     pauses / 1000, 0.01, "s");
  char split[200];
  std::snprintf(split, sizeof split, "count-up split: readouts %.3f s, coin sounds %.3f s",
                Millis(trace.countDrawing) / 1000, Millis(trace.countSounds) / 1000);
  table.AddNote(split);

  // The same count-up hurried as it starts: the press to the settled face.
  const double hurried = PressToSettled(form, chance, coins, *stops, 0, true);
  table.AddBelowLimit("press to last coin shown, hurried 5000-coin count-up", hurried, 100, "ms");
}
