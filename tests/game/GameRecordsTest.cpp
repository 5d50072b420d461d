// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "GameChart.h"
#include "GameState.h"
#include "GameStatistics.h"
#include "Machine.h"
#include "Money.h"
#include "PlayRecord.h"
#include "PlayerRecords.h"
#include "Random.h"
#include "Reels.h"
#include "Settings.h"
#include "SilentView.h"

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
                                        points.front().marks, points.front().fromPool}));
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
  EXPECT_TRUE(chart.Append({5, 4, 900, 10, 8, 0, {}}));
  EXPECT_TRUE(chart.Append({5, 4, 1000, 10, 8, chart_mark::Loan, {}}));
  EXPECT_FALSE(chart.Append({4, 4, 900, 10, 8, 0, {}}));
  EXPECT_FALSE(chart.Append({6, 3, 900, 10, 8, 0, {}}));
  EXPECT_FALSE(chart.Append({6, 5, 900, 9.99, 8, 0, {}}));
  EXPECT_FALSE(chart.Append({6, 5, 900, 11, 7.99, 0, {}}));
  EXPECT_EQ(chart.Points().size(), 2u);
  EXPECT_DOUBLE_EQ(ReturnOf(chart.Points()[0]), 0.8);
  EXPECT_EQ(ReturnOf(ChartPoint{}), 0.0);
}

// A seeded run of real spins across New Games and opened games: every record
// equals what a plain pass over the same plays finds, the first to reach a
// best keeping it, with the game and the time of the play that set it.
TEST(PlayerRecords, EachRecordMatchesThePlaysAcrossManyGames) {
  Settings settings = DefaultSettings("/opt/voltaro/");
  SilentView view;
  RandomSource random(4242);
  RandomSource choices(17);
  Machine machine(settings, view, random);
  GameState start;
  InstallStrips(start);
  machine.RestoreGame(start);
  machine.SetWatched(false);
  const GameState& state = machine.State();

  // What the records were told, in order: a game started (with its credits)
  // or a play settled.
  struct Event {
    bool started;
    RecordGame game;
    std::int64_t at;
    double credits;
    PlayRecord play;
  };
  PlayerRecords records;
  std::vector<Event> events;
  std::int64_t games = 0;
  std::int64_t now = 1'800'000'000;
  const auto startGame = [&](const std::string& slot) {
    records.StartGame(slot, state.Credits, ++now);
    events.push_back({true, {++games, slot}, now, state.Credits, {}});
  };
  startGame({});
  for (int action = 0; action < 6000; ++action) {
    const std::int64_t before = state.Statistics.paidSpins + state.Statistics.freeSpins;
    const int freeBefore = state.FreeSpins;
    const int choice = choices.Below(1000);
    if (choice < 4 && machine.NewGame().done) {
      startGame({});
      continue;
    }
    if (choice < 6) {
      GameSnapshot saved;
      saved.Credits = money::FromCents(choices.Below(500000));
      saved.Borrowed = 1000;
      saved.BonusPool = money::FromCents(choices.Below(100000));
      if (machine.OpenGame(saved).done) startGame("Slot, with a comma " + std::to_string(action));
      continue;
    }
    if (choice < 20) machine.Borrow(money::FromCents(1 + choices.Below(300000)));
    if (choice < 400)
      machine.BetMax();
    else
      machine.Spin();
    machine.PlanEnded();
    if (state.Statistics.paidSpins + state.Statistics.freeSpins == before) continue;
    PlayRecord play = state.History.Plays().front();
    play.playedAt = ++now;
    play.bonus = freeBefore == 0 && state.FreeSpins == FreeSpinsPerBonus;
    records.AddPlay(play);
    events.push_back({false, events.back().game, now, 0, play});
  }
  ASSERT_GT(games, 15);

  // The best of each, and who set it first.
  struct Best {
    std::int64_t value = 0;
    std::int64_t at = 0;
    RecordGame game;
    void Offer(std::int64_t offered, const Event& event) {
      if (offered <= value) return;
      value = offered;
      at = event.at;
      game = event.game;
    }
  };
  Best win, bonus, credits, run;
  std::int64_t paid = 0, free = 0, bonuses = 0, currentRun = 0;
  for (const Event& event : events) {
    if (event.started) {
      credits.Offer(money::ToCents(event.credits), event);
      currentRun = 0;
      continue;
    }
    const PlayRecord& play = event.play;
    ++(play.free ? free : paid);
    bonuses += play.bonus ? 1 : 0;
    win.Offer(money::ToCents(play.win) + money::ToCents(play.poolPaid), event);
    bonus.Offer(money::ToCents(play.poolPaid), event);
    credits.Offer(money::ToCents(play.creditsBefore), event);
    credits.Offer(money::ToCents(play.creditsAfter), event);
    if (play.free) continue;
    currentRun = play.win > 0 || play.poolPaid > 0 ? currentRun + 1 : 0;
    run.Offer(currentRun, event);
  }
  EXPECT_EQ(records.games.value, games);
  EXPECT_EQ(records.games.game, events.back().game);
  EXPECT_EQ(records.paidSpins.value, paid);
  EXPECT_EQ(records.freeSpins.value, free);
  EXPECT_GT(bonuses, 5);
  EXPECT_EQ(records.bonuses.value, bonuses);
  const auto check = [](const char* name, std::int64_t value, std::int64_t at,
                        const RecordGame& game, const Best& best) {
    SCOPED_TRACE(name);
    EXPECT_EQ(value, best.value);
    EXPECT_EQ(at, best.at);
    EXPECT_EQ(game, best.game);
  };
  const auto checkMoney = [&](const char* name, const Record<double>& record, const Best& best) {
    check(name, money::ToCents(record.value), record.setAt, record.game, best);
  };
  checkMoney("BiggestWin", records.biggestWin, win);
  checkMoney("BiggestBonus", records.biggestBonus, bonus);
  checkMoney("MostCredits", records.mostCredits, credits);
  EXPECT_GT(run.value, 2);
  check("LongestWinRun", records.longestWinRun.value, records.longestWinRun.setAt,
        records.longestWinRun.game, run);
  EXPECT_EQ(records.timePlayed, Record<std::int64_t>{}) << "no time was given";
}

// The edges: a bonus the money limit left unpaid still counts, free spins
// leave a run alone, counts stop at their largest value, time adds up, and a
// reset starts the records afresh from the game in play.
TEST(PlayerRecords, BonusesRunsLimitsTimeAndReset) {
  PlayerRecords records;
  records.StartGame("Weekend", 250, 100);
  EXPECT_EQ(records.GameInPlay(), (RecordGame{1, "Weekend"}));
  PlayRecord unpaid;
  unpaid.playedAt = 200;
  unpaid.bonus = true;
  unpaid.creditsBefore = unpaid.creditsAfter = 240;
  records.AddPlay(unpaid);
  EXPECT_EQ(records.bonuses.value, 1);
  EXPECT_EQ(records.bonuses.setAt, 200);
  EXPECT_EQ(records.biggestBonus.setAt, 0) << "no pool was paid";
  EXPECT_EQ(records.mostCredits.value, 250) << "the credits the game started with";

  PlayRecord won;
  won.win = 5;
  PlayRecord freeLoss;
  freeLoss.free = true;
  PlayRecord loss;
  for (const PlayRecord* play : {&won, &freeLoss, &won, &freeLoss, &won, &loss, &won})
    records.AddPlay(*play);
  EXPECT_EQ(records.longestWinRun.value, 3);
  EXPECT_EQ(records.winRun, 1);
  records.StartGame({}, 1000, 300);
  EXPECT_EQ(records.winRun, 0) << "a new game starts its own run";
  EXPECT_EQ(records.GameInPlay(), (RecordGame{2, ""}));

  records.paidSpins.value = std::numeric_limits<std::int64_t>::max() - 1;
  records.AddPlay(loss);
  records.AddPlay(loss);
  EXPECT_EQ(records.paidSpins.value, std::numeric_limits<std::int64_t>::max());
  records.AddTime(0, 400);
  EXPECT_EQ(records.timePlayed.setAt, 0) << "no time, no change";
  records.AddTime(70, 500);
  records.AddTime(5, 600);
  EXPECT_EQ(records.timePlayed.value, 75);
  EXPECT_EQ(records.timePlayed.setAt, 600);

  records.StartGame("Cellar", 900, 650);
  records.Reset(1500, 700);
  PlayerRecords fresh;
  fresh.StartGame("Cellar", 1500, 700);
  EXPECT_EQ(records, fresh);
}
