// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFileCosts.h"

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "HistoryWindowCosts.h"
#include "ProcessStats.h"
#include "SettingsFile.h"
#include "Slot.h"
#include "WindowProbe.h"

namespace {

constexpr int ForeignLines = 1'000'000;
constexpr int KeepWrites = 200;
// The write comes between the click and the first wheel step, so it is felt
// only as a later start: well below the tenth of a second a player notices
// as a click's delay, and even the worst within it. Most of it is the flush
// to the disk that makes the file survive a power failure.
constexpr double KeepMedianLimit = 50;
constexpr double KeepWorstLimit = 100;

double MedianOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

void MeasureSettingsFileCosts(BenchTable& table) {
  QTemporaryDir folder;
  const std::string path = folder.filePath(QStringLiteral("VOLTA.INI")).toStdString();
  {
    std::ofstream file(path, std::ios::binary);
    file << "[Other Program]\r\n";
    for (int n = 0; n < ForeignLines; ++n) file << "Entry" << n << "=a value of some length\r\n";
  }
  GameState state;
  Settings settings = DefaultSettings("/opt/voltaro/");
  bool maxed = false;
  SaveSettingsFile(path, state, settings, maxed);  // adds the game's section

  std::vector<double> loads;
  std::vector<double> saves;
  for (int round = 0; round < 3; ++round) {
    const std::int64_t start = process_stats::WallNanos();
    LoadSettingsFile(path, state, settings, maxed);
    const std::int64_t loaded = process_stats::WallNanos();
    SaveSettingsFile(path, state, settings, maxed);
    const std::int64_t saved = process_stats::WallNanos();
    loads.push_back(static_cast<double>(loaded - start) / 1e6);
    saves.push_back(static_cast<double>(saved - loaded) / 1e6);
  }
  table.AddBelowLimit("settings file load, 1,000,000 foreign lines", MedianOf(loads), 1000, "ms");
  table.AddBelowLimit("settings file save, 1,000,000 foreign lines", MedianOf(saves), 1000, "ms");
}

void MeasureGameKeeping(TForm1& form, BenchTable& table) {
  WindowProbe probe(form);
  const auto measure = [&](const GameState& game, const std::string& rows) {
    probe.RestoreGame(game);
    std::vector<double> writes;
    writes.reserve(KeepWrites);
    for (int n = 0; n < KeepWrites; ++n) {
      const std::int64_t start = process_stats::WallNanos();
      probe.SaveNow();
      writes.push_back(static_cast<double>(process_stats::WallNanos() - start) / 1e6);
    }
    const double worst = *std::max_element(writes.begin(), writes.end());
    table.AddBelowLimit(rows + ", median write", MedianOf(writes), KeepMedianLimit, "ms");
    table.AddBelowLimit(rows + ", worst write", worst, KeepWorstLimit, "ms");
  };
  const GameState inPlay = probe.State();
  measure(inPlay, "game kept before a spin");
  // A long game: the chart's section at its fullest.
  GameState game = inPlay;
  FillChart(game);
  measure(game, "game kept before a spin, full chart");
  probe.RestoreGame(inPlay);
  probe.SaveNow();
}
