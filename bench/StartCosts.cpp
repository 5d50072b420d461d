// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartCosts.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include "BenchTable.h"
#include "ProcessStats.h"
#include "StartFigures.h"

namespace {

// Milliseconds from the start of `program` to its first paint, and its CPU
// time by then; nothing when it never reported one.
std::optional<std::pair<double, double>> TimeOneStart(const QString& program,
                                                      const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  const std::int64_t started = process_stats::WallNanos();
  process.start(program, arguments);
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return std::nullopt;
  }
  const auto report = FindFirstPaintReport(process.readAllStandardOutput().toStdString());
  if (!report) return std::nullopt;
  return std::make_pair(static_cast<double>(report->wallNanos - started) / 1e6,
                        static_cast<double>(report->cpuNanos) / 1e6);
}

}  // namespace

void MeasureStartAgainstBareWindow(BenchTable& table, const QString& gameStart,
                                   const QString& bareStart, int runs) {
  StartRuns times;
  for (int run = 0; run < runs; ++run) {
    if (const auto game = TimeOneStart(gameStart, {QStringLiteral("--first-paint-only")})) {
      times.game.push_back(game->first);
      times.gameCpu.push_back(game->second);
    }
    if (const auto bare = TimeOneStart(bareStart, {})) times.bare.push_back(bare->first);
  }
  AddStartRows(table, times);
}
