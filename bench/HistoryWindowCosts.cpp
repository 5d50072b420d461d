// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryWindowCosts.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "GameHistoryWindow.h"
#include "ProcessStats.h"
#include "Slot.h"
#include "WindowProbe.h"

namespace {

// Ten plays as full as they come: every line paid, a pool, the most digits.
void FillHistory(GameState& game) {
  for (int n = 0; n < GameHistory::Capacity; ++n) {
    PlayRecord play;
    play.playedAt = 1796740000 + 60 * n;
    play.coinValue = 0.25;
    play.coins = 25;
    for (std::size_t cell = 0; cell < play.window.size(); ++cell)
      play.window[cell] = static_cast<std::int32_t>((cell + static_cast<std::size_t>(n)) % 7);
    play.winningLines = 0b11111;
    play.win = 1250.00;
    play.poolPaid = 1234.50;
    play.bonus = true;
    play.creditsBefore = 123456.75;
    play.creditsAfter = 125941.25;
    play.meterBefore = 90;
    play.meterAfter = 100;
    game.History.Add(play);
    game.Statistics.AddPlay(play);
  }
}

// Openings of the window on the game, from making it to its first paint, on
// the tab of the plays or of the charts; with `everyTab`, each tab after the
// first is then shown and painted in turn.
std::vector<double> OpeningTimes(TForm1& form, int repetitions, bool charts,
                                 bool everyTab = false) {
  std::vector<double> millis;
  for (int round = 0; round < repetitions; ++round) {
    const std::int64_t start = process_stats::WallNanos();
    GameHistoryWindow window(Probe(form).State(), Probe(form).Records(), {},
                             Probe(form).ProgramDir(), Probe(form).Services(), &form);
    if (charts) window.Tabs->setCurrentIndex(1);
    window.show();
    window.repaint();  // the window and every row or chart, now
    for (int tab = 2; everyTab && tab < window.Tabs->count(); ++tab) {
      window.Tabs->setCurrentIndex(tab);
      window.repaint();
    }
    QCoreApplication::processEvents();
    millis.push_back(static_cast<double>(process_stats::WallNanos() - start) / 1e6);
    window.close();
  }
  std::sort(millis.begin(), millis.end());
  return millis;
}

}  // namespace

void FillChart(GameState& game) {
  for (std::size_t n = 0; game.Chart.Points().size() < GameChart::Capacity; ++n) {
    PlayRecord play;
    play.coinValue = 0.25;
    play.coins = 25;
    play.win = n % 7 == 0 ? 40.00 : 0;
    play.poolPaid = n % 500 == 0 ? 120.00 : 0;
    play.bonus = n % 500 == 0;
    play.creditsAfter = 123456.75 + 0.01 * static_cast<double>((n * 7919) % 100000);
    game.Statistics.AddPlay(play);
    game.Chart.AddPlay(play, game.Statistics);
  }
}

void MeasureHistoryWindowCosts(TForm1& form, BenchTable& table, int repetitions) {
  const GameState kept = Probe(form).State();
  GameState full = kept;
  FillHistory(full);
  Probe(form).RestoreGame(full);
  std::vector<double> millis = OpeningTimes(form, repetitions, false);
  FillChart(full);
  Probe(form).RestoreGame(full);
  const std::vector<double> charts = OpeningTimes(form, repetitions, true);
  const std::vector<double> everyTab = OpeningTimes(form, repetitions, true, true);
  Probe(form).RestoreGame(kept);
  table.AddBelowLimit("game history window opened, ten plays (median)", millis[millis.size() / 2],
                      100, "ms");
  table.AddBelowLimit(
      "game history window opened, ten plays (worst of " + std::to_string(repetitions) + ")",
      millis.back(), 300, "ms");
  table.AddBelowLimit("game history window opened, chart of 2,000 points (median)",
                      charts[charts.size() / 2], 100, "ms");
  table.AddBelowLimit("game history window opened, records and chart of 2,000 points (median)",
                      everyTab[everyTab.size() / 2], 100, "ms");
}
