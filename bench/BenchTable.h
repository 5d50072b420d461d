// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// The benchmark's results: one row per figure, with its ideal or target
// where one exists, printed as an aligned table or as Markdown for the README.
class BenchTable {
 public:
  // A figure that should come close to `ideal`: within `tolerance` (a
  // fraction) it passes.
  void AddNearIdeal(const std::string& figure, double measured, double ideal, double tolerance,
                    const std::string& unit);
  // A figure beside its ideal, with no tolerance set for it.
  void AddAgainstIdeal(const std::string& figure, double measured, double ideal,
                       const std::string& unit);
  // A figure that must stay below `limit`.
  void AddBelowLimit(const std::string& figure, double measured, double limit,
                     const std::string& unit);
  // A figure with no ideal: only the measurement.
  void AddPlain(const std::string& figure, double measured, const std::string& unit);
  // A line printed under the table.
  void AddNote(const std::string& text) { notes_.push_back(text); }

  void Print(bool markdown) const;
  // True when every figure with a target met it.
  bool AllMet() const;

 private:
  struct Row {
    std::string figure;
    std::string measured;
    std::string ideal;
    std::optional<double> ratio;
    std::string verdict;
  };
  std::vector<Row> rows_;
  std::vector<std::string> notes_;
};

// The middle value, or the mean of the two middle ones; 0 for none.
double Median(std::vector<double> values);

// "12.3 ms" and the like, with a precision that suits the size.
std::string FormatAmount(double value, const std::string& unit);
