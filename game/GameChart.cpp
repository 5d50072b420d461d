// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameChart.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>

#include "Money.h"

namespace {

// A full chart is cut into this many stretches of equal numbers of plays,
// each keeping its lowest and its highest credits and its first marked point:
// it thins to at most three quarters, and the whole game keeps one
// resolution, however often it is thinned.
constexpr double Stretches = GameChart::Capacity / 4;

ChartPoint PointOf(const GameStatistics& totals, double credits, std::uint8_t marks) {
  ChartPoint point;
  point.play = PlaysOf(totals);
  point.paidSpins = totals.paidSpins;
  point.credits = credits;
  point.wagered = totals.moneyWagered;
  point.returned = money::Add(totals.wonOnLines, totals.wonFromPool);
  point.fromPool = totals.wonFromPool;
  point.marks = marks;
  return point;
}

}  // namespace

std::int64_t PlaysOf(const GameStatistics& totals) {
  constexpr std::int64_t Most = std::numeric_limits<std::int64_t>::max();
  return totals.freeSpins > Most - totals.paidSpins ? Most : totals.paidSpins + totals.freeSpins;
}

double ReturnOf(const ChartPoint& point) {
  return point.wagered > 0 ? point.returned / point.wagered : 0.0;
}

void GameChart::AddPlay(const PlayRecord& play, const GameStatistics& totals) {
  Append(PointOf(totals, play.creditsAfter, play.bonus ? chart_mark::Bonus : 0));
}

void GameChart::AddMove(std::uint8_t mark, double creditsAfter, const GameStatistics& totals) {
  Append(PointOf(totals, creditsAfter, mark & chart_mark::All));
}

const std::vector<ChartPoint>& GameChart::Points() const {
  static const std::vector<ChartPoint> none;
  return points_ ? *points_ : none;
}

std::vector<ChartPoint>& GameChart::OwnPoints() {
  if (!points_ || points_.use_count() > 1) {
    auto own = std::make_shared<std::vector<ChartPoint>>();
    own->reserve(Capacity + 1);
    if (points_) own->assign(points_->begin(), points_->end());
    points_ = std::move(own);
  }
  return *points_;
}

void GameChart::Start(double credits) {
  Clear();
  OwnPoints().push_back(ChartPoint{.credits = credits, .fromPool = 0.0});
}

bool GameChart::Append(const ChartPoint& point) {
  if (points_ && !points_->empty()) {
    const ChartPoint& last = points_->back();
    if (point.play < last.play || point.paidSpins < last.paidSpins ||
        point.wagered < last.wagered || point.returned < last.returned)
      return false;
  }
  std::vector<ChartPoint>& points = OwnPoints();
  points.push_back(point);
  if (points.size() > Capacity) Thin();
  return true;
}

void GameChart::Thin() {
  const std::vector<ChartPoint>& all = OwnPoints();
  std::vector<ChartPoint> kept;
  kept.reserve(all.size() / 2 + 2);
  const ChartPoint& first = all.front();
  kept.push_back(first);
  const std::size_t end = all.size() - 1;  // the last point is kept apart
  const double plays = static_cast<double>(all.back().play - first.play) + 1;
  const auto stretch = [&](std::size_t n) {
    return std::floor(static_cast<double>(all[n].play - first.play) * Stretches / plays);
  };
  for (std::size_t start = 1; start < end;) {
    std::size_t low = start;
    std::size_t high = start;
    std::optional<std::size_t> marked;
    std::uint8_t marks = 0;
    std::size_t n = start;
    for (const double at = stretch(start); n < end && stretch(n) == at; ++n) {
      if (all[n].credits < all[low].credits) low = n;
      if (all[n].credits > all[high].credits) high = n;
      if (all[n].marks != 0 && !marked) marked = n;
      marks |= all[n].marks;
    }
    // A marked point stays where it was, and takes the marks of any others
    // in its stretch, so no bonus or loan is forgotten or moved far.
    std::size_t keep[] = {low, high, marked.value_or(low)};
    std::sort(std::begin(keep), std::end(keep));
    for (std::size_t k = 0; k < 3; ++k) {
      if (k > 0 && keep[k] == keep[k - 1]) continue;
      kept.push_back(all[keep[k]]);
      kept.back().marks = keep[k] == marked ? marks : 0;
    }
    start = n;
  }
  kept.push_back(all.back());
  *points_ = std::move(kept);
}
