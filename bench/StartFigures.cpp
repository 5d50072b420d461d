// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartFigures.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>

#include "BenchTable.h"

namespace {

constexpr char ReportStart[] = "first paint at ";

std::string RunList(const std::vector<double>& runs) {
  std::string text;
  for (const double run : runs) {
    char one[32];
    std::snprintf(one, sizeof one, "%s%.1f", text.empty() ? "" : ", ", run);
    text += one;
  }
  return text;
}

}  // namespace

std::string FirstPaintLine(std::int64_t wallNanos, std::int64_t cpuNanos) {
  char line[96];
  std::snprintf(line, sizeof line, "%s%" PRId64 " ns, cpu %" PRId64 " ns", ReportStart, wallNanos,
                cpuNanos);
  return line;
}

std::optional<FirstPaintReport> FindFirstPaintReport(const std::string& output) {
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind(ReportStart, 0) != 0) continue;
    FirstPaintReport report;
    char end = 0;
    if (std::sscanf(line.c_str() + sizeof ReportStart - 1, "%" SCNd64 " ns, cpu %" SCNd64 " n%c",
                    &report.wallNanos, &report.cpuNanos, &end) == 3 &&
        end == 's' && report.wallNanos > 0 && report.cpuNanos >= 0)
      return report;
  }
  return std::nullopt;
}

void AddStartRows(BenchTable& table, const StartRuns& runs) {
  if (runs.game.empty() || runs.bare.empty()) {
    table.AddNote("start-up: a window was never painted");
    return;
  }
  const std::string of = " (median of " + std::to_string(runs.game.size()) + ")";
  const double game = Median(runs.game);
  const double bare = Median(runs.bare);
  table.AddPlain("start to first paint, game window" + of, game, "ms");
  table.AddPlain("start to first paint, bare Qt window" + of, bare, "ms");
  if (!runs.gameCpu.empty())
    table.AddPlain("  CPU time to the game's first paint" + of, Median(runs.gameCpu), "ms");
  table.AddBelowLimit("start to first paint, ratio to a bare Qt window", game / bare, 1.5, "");
  table.AddNote("start runs in turn, game window: " + RunList(runs.game) + " ms");
  table.AddNote("start runs in turn, bare Qt window: " + RunList(runs.bare) + " ms");
}
