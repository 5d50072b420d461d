// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark's own instruments: if these are wrong, its figures are too.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "BenchTable.h"
#include "GameSetup.h"
#include "Machine.h"
#include "Money.h"
#include "Paylines.h"
#include "ProcessStats.h"
#include "Reels.h"
#include "ScriptedStops.h"
#include "SilentView.h"
#include "StartFigures.h"
#include "WindowSearch.h"

namespace {

// The real rules over a window nobody watches, with scripted stops.
struct ScriptedMachine {
  Settings settings;
  SilentView view;
  ScriptedStops chance;
  Machine machine{settings, view, chance};
  const GameState& state = machine.State();

  ScriptedMachine() {
    Change([](GameState& game) {
      InstallStrips(game);
      game.Credits = NewGameCredits;
    });
  }
  template <typename Edit>
  void Change(Edit edit) {
    ChangeGame(machine, edit);
  }

  void SpinWith(int coins) {
    Change([coins](GameState& game) { game.LastBet = money::Times(game.CoinValue, coins); });
    machine.Spin();
    machine.PlanEnded();
  }
};

}  // namespace

TEST(ScriptedStops, WheelsComeToRestWhereScriptedWhetherWatchedOrNot) {
  for (const bool watched : {false, true}) {
    ScriptedMachine play;
    play.machine.SetWatched(watched);
    for (const Stops stops : {Stops{0, 0, 0}, Stops{38, 2, 20}, Stops{14, 36, 6}}) {
      play.chance.NextStops(stops.wheel1, stops.wheel2, stops.wheel3);
      play.SpinWith(1);
      EXPECT_EQ(play.state.Stops[0], stops.wheel1) << "watched " << watched;
      EXPECT_EQ(play.state.Stops[1], stops.wheel2) << "watched " << watched;
      EXPECT_EQ(play.state.Stops[2], stops.wheel3) << "watched " << watched;
    }
  }
}

TEST(WindowSearch, FoundWindowsPlayAsAskedThroughTheRealRules) {
  // A 5000-coin win: the count-up benchmark needs exactly that many coins.
  std::optional<Stops> big;
  int coins = 1;
  for (; coins <= MaxCoins && !big; ++coins)
    big = FindStops(coins, [](const GameState&, int win) { return win == 5000; });
  --coins;
  ASSERT_TRUE(big.has_value());

  ScriptedMachine play;
  play.machine.SetWatched(false);
  const double creditsBefore = play.state.Credits;
  play.chance.NextStops(big->wheel1, big->wheel2, big->wheel3);
  play.SpinWith(coins);
  const double bet = money::Times(play.state.CoinValue, coins);
  const double won = money::Times(play.state.CoinValue, 5000);
  EXPECT_EQ(money::ToCents(play.state.Credits),
            money::ToCents(money::Add(money::Sub(creditsBefore, bet), won)));

  // A quiet spin: nothing won, the power meter left alone.
  const auto quiet = FindStops(
      MaxCoins, [](const GameState& s, int win) { return win == 0 && !ShowsPowerSymbol(s); });
  ASSERT_TRUE(quiet.has_value());
  play.Change([](GameState& game) { game.PowerPts = 40; });
  const double creditsBeforeQuiet = play.state.Credits;
  play.chance.NextStops(quiet->wheel1, quiet->wheel2, quiet->wheel3);
  play.SpinWith(MaxCoins);
  EXPECT_EQ(play.state.PowerPts, 40);
  EXPECT_EQ(
      money::ToCents(play.state.Credits),
      money::ToCents(money::Sub(creditsBeforeQuiet, money::Times(play.state.CoinValue, MaxCoins))));
  EXPECT_FALSE(ShowsPowerSymbol(play.state));
}

TEST(WindowSearch, ReportsNothingWhenNoWindowFits) {
  EXPECT_FALSE(FindStops(1, [](const GameState&, int win) { return win > 1000; }).has_value());
}

TEST(ProcessStats, ClocksAndMemoryFollowTheProcess) {
  // Busy work shows up as CPU time, never more than the wall time it took,
  // and a sleep adds next to none. Loop on the CPU clock rather than the wall
  // clock: on a loaded machine the process may wait for a core most of the time.
  const std::int64_t wall0 = process_stats::WallNanos();
  const std::int64_t cpu0 = process_stats::CpuNanos();
  volatile std::uint64_t sink = 0;
  while (process_stats::CpuNanos() - cpu0 < 50'000'000 &&
         process_stats::WallNanos() - wall0 < 20'000'000'000)
    sink = sink + 1;
  const std::int64_t busyCpu = process_stats::CpuNanos() - cpu0;
  EXPECT_GE(busyCpu, 50'000'000);
  EXPECT_LE(static_cast<double>(busyCpu),
            1.05 * static_cast<double>(process_stats::WallNanos() - wall0));
  const std::int64_t cpu1 = process_stats::CpuNanos();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_LT(process_stats::CpuNanos() - cpu1, 25'000'000);

  // Touching 64 MiB raises the peak by about that much.
  const long before = process_stats::PeakResidentKiB();
  ASSERT_GT(before, 0);
  std::vector<char> block(64u << 20);
  std::memset(block.data(), 1, block.size());
  EXPECT_GE(process_stats::PeakResidentKiB() - before, 60 * 1024);
  EXPECT_EQ(block[block.size() / 2], 1);
}

TEST(BenchTable, OnlyFiguresOutsideTheirTargetsFail) {
  BenchTable table;
  table.AddNearIdeal("near", 1.02, 1.0, 0.03, "s");
  table.AddBelowLimit("below", 4.0, 5.0, "ms");
  table.AddAgainstIdeal("no tolerance", 2.0, 1.0, "s");
  table.AddPlain("plain", 55.0, "MiB");
  EXPECT_TRUE(table.AllMet());

  BenchTable slow;
  slow.AddNearIdeal("late", 1.04, 1.0, 0.03, "s");
  EXPECT_FALSE(slow.AllMet());
  BenchTable early;
  early.AddNearIdeal("early", 0.96, 1.0, 0.03, "s");
  EXPECT_FALSE(early.AllMet());
  BenchTable heavy;
  heavy.AddBelowLimit("heavy", 5.0, 5.0, "ms");
  EXPECT_FALSE(heavy.AllMet());
}

TEST(BenchTable, AmountsKeepFourSignificantDigits) {
  EXPECT_EQ(FormatAmount(1.0104, "s"), "1.010 s");
  EXPECT_EQ(FormatAmount(14.98, "s"), "14.98 s");
  EXPECT_EQ(FormatAmount(0.1689, "ms"), "0.169 ms");
  EXPECT_EQ(FormatAmount(1234.4, "ms"), "1234 ms");
}

TEST(StartFigures, ReportsSurviveOtherOutputAndGarbleIsRefused) {
  const std::string line = FirstPaintLine(123456789012345, 98765432);
  const auto found = FindFirstPaintReport("Qt says something\n" + line + "\nmore\n");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->wallNanos, 123456789012345);
  EXPECT_EQ(found->cpuNanos, 98765432);
  EXPECT_FALSE(FindFirstPaintReport("").has_value());
  EXPECT_FALSE(FindFirstPaintReport(line.substr(0, line.size() - 4)).has_value());
  EXPECT_FALSE(FindFirstPaintReport("say " + line).has_value());
}

TEST(StartFigures, TheRatioOfTheMediansDecides) {
  // One slow start does not move a median; it would move a mean past 1.5.
  const StartRuns steady{{100, 400, 110, 120, 105}, {90, 95, 100, 80, 85}, {60}};
  EXPECT_DOUBLE_EQ(Median(steady.game), 110);
  EXPECT_DOUBLE_EQ(Median({4, 1, 3, 2}), 2.5);
  BenchTable met;
  AddStartRows(met, steady);
  EXPECT_TRUE(met.AllMet());

  BenchTable slow;
  AddStartRows(slow, {{140, 150, 160}, {100, 100, 100}, {}});
  EXPECT_FALSE(slow.AllMet());
}
