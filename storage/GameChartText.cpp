// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameChartText.h"

#include <array>
#include <vector>

#include "GameRecordsText.h"
#include "Money.h"
#include "MoneyText.h"

namespace {

struct MarkName {
  std::uint8_t mark;
  std::string_view name;
};
constexpr std::array<MarkName, 3> MarkNames{{
    {chart_mark::Bonus, "Bonus"},
    {chart_mark::Loan, "Loan"},
    {chart_mark::PayBack, "PayBack"},
}};

std::string MarksText(std::uint8_t marks) {
  std::string text;
  for (const MarkName& name : MarkNames) {
    if ((marks & name.mark) == 0) continue;
    if (!text.empty()) text += ' ';
    text += name.name;
  }
  return text.empty() ? "none" : text;
}

std::optional<std::uint8_t> ParseMarks(std::string_view text) {
  if (text == "none") return std::uint8_t{0};
  std::uint8_t marks = 0;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    bool known = false;
    for (const MarkName& name : MarkNames) {
      if (word != name.name) continue;
      marks |= name.mark;
      known = true;
    }
    if (!known) return std::nullopt;
    text.remove_prefix(blank == std::string_view::npos ? text.size() : blank + 1);
  }
  if (marks == 0) return std::nullopt;
  return marks;
}

std::string PointKey(std::size_t number) { return "Point" + std::to_string(number); }

bool WithinTotals(const ChartPoint& point, const GameStatistics& totals) {
  return point.play <= PlaysOf(totals) && point.paidSpins <= totals.paidSpins &&
         money::LessOrEqual(point.wagered, totals.moneyWagered) &&
         money::LessOrEqual(point.returned, money::Add(totals.wonOnLines, totals.wonFromPool)) &&
         (!point.fromPool || money::LessOrEqual(*point.fromPool, totals.wonFromPool));
}

}  // namespace

std::string ChartPointText(const ChartPoint& point) {
  return std::to_string(point.play) + ", " + std::to_string(point.paidSpins) + ", " +
         MoneyToText(point.credits) + ", " + MoneyToText(point.wagered) + ", " +
         MoneyToText(point.returned) + ", " + MarksText(point.marks) +
         (point.fromPool ? ", " + MoneyToText(*point.fromPool) : std::string());
}

std::optional<ChartPoint> ParseChartPoint(std::string_view text) {
  const std::vector<std::string_view> fields = SplitRecordFields(text, ',');
  // Older files have no seventh field, the part of the returns won from the pool.
  if (fields.size() != 6 && fields.size() != 7) return std::nullopt;
  const auto play = ParseRecordCount(fields[0]);
  const auto paidSpins = ParseRecordCount(fields[1]);
  const auto credits = ParseRecordAmount(fields[2]);
  const auto wagered = ParseRecordAmount(fields[3]);
  const auto returned = ParseRecordAmount(fields[4]);
  const auto marks = ParseMarks(fields[5]);
  if (!play || !paidSpins || !credits || !wagered || !returned || !marks) return std::nullopt;
  if (*play < 0 || *paidSpins < 0 || *paidSpins > *play || *wagered < 0 || *returned < 0)
    return std::nullopt;
  std::optional<double> fromPool;
  if (fields.size() == 7) {
    fromPool = ParseRecordAmount(fields[6]);
    if (!fromPool || *fromPool < 0 || money::Less(*returned, *fromPool)) return std::nullopt;
  }
  return ChartPoint{*play, *paidSpins, *credits, *wagered, *returned, *marks, fromPool};
}

ProfileEntries ChartEntries(const GameChart& chart) {
  ProfileEntries entries;
  entries.reserve(chart.Points().size());
  std::size_t number = 0;
  for (const ChartPoint& point : chart.Points())
    entries.emplace_back(PointKey(++number), ChartPointText(point));
  return entries;
}

GameChart ReadChart(const ProfileText& file, const GameStatistics& totals) {
  GameChart chart;
  for (std::size_t number = 1; number <= GameChart::Capacity; ++number) {
    const auto text = file.Find(ChartSection, PointKey(number));
    if (!text) continue;
    const auto point = ParseChartPoint(*text);
    if (point && WithinTotals(*point, totals)) chart.Append(*point);
  }
  return chart;
}
