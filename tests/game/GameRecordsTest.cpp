// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "GameChart.h"
#include "GameState.h"
#include "GameStatistics.h"
#include "Money.h"
#include "PlayRecord.h"

namespace {

// A bonus pays the pool as far as it fits under the money limit: all, part or none of it.
PlayRecord Play(int coins, int coinCents, bool free, int winCents, int poolCents = 0,
                bool bonus = false) {
  PlayRecord play;
  play.coins = coins;
  play.coinValue = coinCents / 100.0;
  play.free = free;
  play.win = winCents / 100.0;
  play.poolPaid = poolCents / 100.0;
  play.bonus = bonus;
  return play;
}

}  // namespace

// The totals equal a plain sum in whole cents over the same plays, however
// odd the amounts, and free spins wager nothing.
TEST(GameStatistics, TotalsMatchASumOverThePlays) {
  const std::vector<PlayRecord> plays{
      Play(25, 25, false, 0),         Play(25, 25, true, 1250),
      Play(3, 10, false, 60),         Play(25, 5, false, 5, 1017, true),
      Play(1, 500, false, 1000000),   Play(7, 1, false, 3),
      Play(3, 10, false, 0),          Play(25, 25, true, 0, 3, true),
      Play(2, 25, false, 0, 0, true),
  };
  GameStatistics statistics;
  std::int64_t paid = 0, free = 0, coins = 0, wagered = 0, lines = 0, pool = 0, bonuses = 0,
               biggest = 0;
  for (const PlayRecord& play : plays) {
    statistics.AddPlay(play);
    const std::int64_t coin = money::ToCents(play.coinValue);
    if (play.free) {
      ++free;
    } else {
      ++paid;
      coins += play.coins;
      wagered += coin * play.coins;
    }
    lines += money::ToCents(play.win);
    pool += money::ToCents(play.poolPaid);
    if (play.bonus) ++bonuses;
    biggest = std::max(biggest, money::ToCents(play.win) + money::ToCents(play.poolPaid));
  }
  EXPECT_EQ(statistics.paidSpins, paid);
  EXPECT_EQ(statistics.freeSpins, free);
  EXPECT_EQ(statistics.coinsWagered, coins);
  EXPECT_EQ(money::ToCents(statistics.moneyWagered), wagered);
  EXPECT_EQ(money::ToCents(statistics.wonOnLines), lines);
  EXPECT_EQ(money::ToCents(statistics.wonFromPool), pool);
  EXPECT_EQ(statistics.bonuses, bonuses);
  EXPECT_EQ(money::ToCents(statistics.biggestWin), biggest);
  EXPECT_DOUBLE_EQ(statistics.ReturnPercent(),
                   100.0 * static_cast<double>(lines + pool) / static_cast<double>(wagered));
  // 25 coins twice (paid), 3 coins twice: the tie goes to the fewer coins.
  EXPECT_EQ(statistics.spinsByCoins[25], 2);
  EXPECT_EQ(statistics.spinsByCoins[3], 2);
  EXPECT_EQ(statistics.MostUsedCoins(), 3);
}

TEST(GameStatistics, NothingWageredHasNoReturnAndNoBet) {
  GameStatistics statistics;
  EXPECT_EQ(statistics.MostUsedCoins(), 0);
  EXPECT_EQ(statistics.ReturnPercent(), 0);
  statistics.AddPlay(Play(25, 25, true, 500));  // a free spin alone
  EXPECT_EQ(statistics.MostUsedCoins(), 0);
  EXPECT_EQ(statistics.ReturnPercent(), 0);
}

// A million plays of a wandering game: the chart never holds more than its
// capacity, keeps the first, the last, the lowest and the highest credits
// exactly, stays in the order of play, and forgets no bonus or loan.
TEST(GameChart, AMillionPlaysThinToTheirShape) {
  GameChart chart;
  GameStatistics totals;
  double lowest = 1e12, highest = -1e12;
  std::int64_t lowestPlay = 0, highestPlay = 0, loans = 0;
  std::vector<std::int64_t> bonuses;
  std::uint32_t seed = 12345;
  double credits = 1000;
  for (int n = 1; n <= 1'000'000; ++n) {
    seed = seed * 1664525u + 1013904223u;
    const bool bonus = seed % 9973 == 0;
    PlayRecord play = Play(5, 25, false, static_cast<int>(seed >> 24) % 2 == 0 ? 0 : 250,
                           bonus ? 5000 : 0, bonus);
    credits = money::Add(credits, money::Sub(money::Add(play.win, play.poolPaid), 1.25));
    play.creditsAfter = credits;
    totals.AddPlay(play);
    chart.AddPlay(play, totals);
    if (bonus) bonuses.push_back(n);
    if (n % 250'000 == 0) {
      credits = money::Add(credits, 100);
      totals.AddBorrowed(100);
      chart.AddMove(chart_mark::Loan, credits, totals);
      ++loans;
    }
    if (credits < lowest) lowest = credits, lowestPlay = n;
    if (credits > highest) highest = credits, highestPlay = n;
    ASSERT_LE(chart.Points().size(), GameChart::Capacity);
  }
  const std::vector<ChartPoint>& points = chart.Points();
  EXPECT_GT(points.size(), GameChart::Capacity / 2);
  EXPECT_EQ(points.front(), (ChartPoint{1, 1, points.front().credits, 1.25, points.front().returned,
                                        points.front().marks}));
  EXPECT_EQ(points.back().play, 1'000'000);
  EXPECT_EQ(points.back().credits, credits);
  EXPECT_EQ(points.back().wagered, totals.moneyWagered);
  const auto low = std::min_element(points.begin(), points.end(),
                                    [](auto& a, auto& b) { return a.credits < b.credits; });
  const auto high = std::max_element(points.begin(), points.end(),
                                     [](auto& a, auto& b) { return a.credits < b.credits; });
  EXPECT_EQ(low->credits, lowest);
  EXPECT_EQ(low->play, lowestPlay);
  EXPECT_EQ(high->credits, highest);
  EXPECT_EQ(high->play, highestPlay);
  for (std::size_t n = 1; n < points.size(); ++n) {
    EXPECT_LE(points[n - 1].play, points[n].play);
    EXPECT_LE(points[n - 1].wagered, points[n].wagered);
  }
  // Every bonus is marked within a hundredth of the game of where it was won
  // (under a pixel column or two of the chart), and no mark is made twice.
  std::int64_t markedBonuses = 0, markedLoans = 0;
  for (const ChartPoint& point : points) {
    markedBonuses += (point.marks & chart_mark::Bonus) != 0 ? 1 : 0;
    markedLoans += (point.marks & chart_mark::Loan) != 0 ? 1 : 0;
  }
  ASSERT_GT(bonuses.size(), 50u);
  for (const std::int64_t play : bonuses) {
    const bool near = std::any_of(points.begin(), points.end(), [&](const ChartPoint& point) {
      return (point.marks & chart_mark::Bonus) != 0 && std::abs(point.play - play) <= 10'000;
    });
    EXPECT_TRUE(near) << "bonus at play " << play;
  }
  EXPECT_LE(markedBonuses, static_cast<std::int64_t>(bonuses.size()));
  EXPECT_EQ(markedLoans, loans);
}

// Points that would go back in time are refused; a loan shares its play's
// number.
TEST(GameChart, PointsOnlyGoForward) {
  GameChart chart;
  EXPECT_TRUE(chart.Append({5, 4, 900, 10, 8, 0}));
  EXPECT_TRUE(chart.Append({5, 4, 1000, 10, 8, chart_mark::Loan}));
  EXPECT_FALSE(chart.Append({4, 4, 900, 10, 8, 0}));
  EXPECT_FALSE(chart.Append({6, 3, 900, 10, 8, 0}));
  EXPECT_FALSE(chart.Append({6, 5, 900, 9.99, 8, 0}));
  EXPECT_FALSE(chart.Append({6, 5, 900, 11, 7.99, 0}));
  EXPECT_EQ(chart.Points().size(), 2u);
  EXPECT_DOUBLE_EQ(ReturnOf(chart.Points()[0]), 0.8);
  EXPECT_EQ(ReturnOf(ChartPoint{}), 0.0);
}
