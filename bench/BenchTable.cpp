// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string FormatAmount(double value, const std::string& unit) {
  char text[64];
  const double size = std::fabs(value);
  // Four significant digits: enough to tell 1.010 s from 1.040 s.
  const int decimals = size >= 1000 ? 0 : size >= 100 ? 1 : size >= 10 ? 2 : 3;
  std::snprintf(text, sizeof text, "%.*f%s%s", decimals, value, unit.empty() ? "" : " ",
                unit.c_str());
  return text;
}

void BenchTable::AddNearIdeal(const std::string& figure, double measured, double ideal,
                              double tolerance, const std::string& unit) {
  const double ratio = measured / ideal;
  const bool met = std::fabs(ratio - 1) <= tolerance;
  char within[32];
  std::snprintf(within, sizeof within, "%s (±%g%%)", met ? "ok" : "MISSED", tolerance * 100);
  rows_.push_back({figure, FormatAmount(measured, unit), FormatAmount(ideal, unit), ratio, within});
}

void BenchTable::AddAgainstIdeal(const std::string& figure, double measured, double ideal,
                                 const std::string& unit) {
  rows_.push_back(
      {figure, FormatAmount(measured, unit), FormatAmount(ideal, unit), measured / ideal, ""});
}

void BenchTable::AddBelowLimit(const std::string& figure, double measured, double limit,
                               const std::string& unit) {
  rows_.push_back({figure, FormatAmount(measured, unit), "< " + FormatAmount(limit, unit),
                   measured / limit, measured < limit ? "ok" : "MISSED"});
}

void BenchTable::AddPlain(const std::string& figure, double measured, const std::string& unit) {
  rows_.push_back({figure, FormatAmount(measured, unit), "", std::nullopt, ""});
}

bool BenchTable::AllMet() const {
  return std::none_of(rows_.begin(), rows_.end(),
                      [](const Row& row) { return row.verdict.rfind("MISSED", 0) == 0; });
}

void BenchTable::Print(bool markdown) const {
  auto ratioText = [](const Row& row) {
    if (!row.ratio) return std::string();
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", *row.ratio);
    return std::string(text);
  };
  if (markdown) {
    std::printf("| figure | measured | ideal or target | ratio | |\n|---|---:|---:|---:|---|\n");
    for (const Row& row : rows_)
      std::printf("| %s | %s | %s | %s | %s |\n", row.figure.c_str(), row.measured.c_str(),
                  row.ideal.c_str(), ratioText(row).c_str(), row.verdict.c_str());
  } else {
    std::size_t width = 6;
    for (const Row& row : rows_) width = std::max(width, row.figure.size());
    const int w = static_cast<int>(width);
    std::printf("%-*s %12s %14s %7s\n", w, "figure", "measured", "ideal/target", "ratio");
    for (const Row& row : rows_)
      std::printf("%-*s %12s %14s %7s  %s\n", w, row.figure.c_str(), row.measured.c_str(),
                  row.ideal.c_str(), ratioText(row).c_str(), row.verdict.c_str());
  }
  if (!notes_.empty()) std::printf("\n");
  for (const std::string& note : notes_) std::printf("%s%s\n", markdown ? "- " : "", note.c_str());
}
