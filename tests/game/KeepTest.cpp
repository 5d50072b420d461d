// SPDX-License-Identifier: GPL-3.0-or-later
// A spin is decided and kept before it is shown; the commands that move
// money outside a spin are kept too; a game read back at start-up plays on.
#include <sstream>

#include "MachineFixture.h"
#include "SpinOutcome.h"
#include "Timings.h"

#include <optional>

namespace {

// Every field two games may differ in, named, so a failure says which.
std::string Differences(const GameState& a, const GameState& b) {
  std::ostringstream out;
  const auto field = [&out](const char* name, bool same) {
    if (!same) out << name << ' ';
  };
  field("Credits", a.Credits == b.Credits);
  field("Borrowed", a.Borrowed == b.Borrowed);
  field("BonusPool", a.BonusPool == b.BonusPool);
  field("Spins", a.Spins == b.Spins);
  field("FreeSpinsPlayed", a.FreeSpinsPlayed == b.FreeSpinsPlayed);
  field("FreeSpins", a.FreeSpins == b.FreeSpins);
  field("PowerPts", a.PowerPts == b.PowerPts);
  field("CoinValue", a.CoinValue == b.CoinValue);
  field("Wager", a.Wager == b.Wager);
  field("LastBet", a.LastBet == b.LastBet);
  field("WinAmount", a.WinAmount == b.WinAmount);
  field("LineBet", a.LineBet == b.LineBet);
  field("LinePay", a.LinePay == b.LinePay);
  field("Stops", a.Stops == b.Stops);
  field("Window", a.Window == b.Window);
  field("Strips", a.Strip1 == b.Strip1 && a.Strip2 == b.Strip2 && a.Strip3 == b.Strip3);
  field("History", a.History == b.History);
  field("Statistics", a.Statistics == b.Statistics);
  field("Chart", a.Chart == b.Chart);
  return out.str();
}

}  // namespace

// Thousands of seeded spins of every kind, watched and hurried: after each
// one the game in play is exactly the game kept before its first wheel step,
// and the face, having played the plan, shows that same game.
TEST_F(MachineTest, EverySpinEndsInTheGameKeptBeforeIt) {
  settings.Sound = false;
  Change([](GameState& g) { g.Credits = 1'000'000.00; });
  RandomSource seeded(20240611);
  Machine seededRules(settings, view, seeded);
  ShownMachine<FakeView> played(seededRules, view);
  played.RestoreGame(state);
  GameState face = played.State();

  int paid = 0, poolShares = 0, free = 0, bonuses = 0, roundEnds = 0, hurried = 0, wins = 0;
  for (int spin = 0; spin < 3000; ++spin) {
    view.log.clear();
    const bool hurry = spin % 7 == 3;
    const GameState& game = played.State();
    const int freeBefore = game.FreeSpins;
    const double poolBefore = game.BonusPool;
    const std::size_t keptBefore = view.kept.size();
    const std::size_t framesBefore = view.frames.size();
    const auto play = [&](const Plan& plan) {
      std::optional<std::size_t> hurryAt;
      if (hurry && !plan.hurries.empty()) hurryAt = plan.hurries[spin % plan.hurries.size()].first;
      face = PlayPlanAtOnce(plan, face, view, view, {}, hurryAt, view.Saver());
      played.PlanEnded();
    };
    // A meter close to full now and then, so bonuses come often.
    if (freeBefore == 0 && spin % 40 == 0) {
      GameState charged = game;
      charged.PowerPts = 90;
      played.RestoreGame(charged);
      face.PowerPts = 90;
    }
    if (freeBefore > 0) {
      play(played.AutoSpinTick());
    } else if (spin % 3 == 0) {
      play(played.BetMax());
    } else {
      for (int coin = 0; coin <= spin % 6; ++coin) play(played.Bet1());
      play(played.Spin());
    }
    ASSERT_EQ(view.kept.size(), keptBefore + 1) << "spin " << spin;
    ASSERT_EQ(view.keptAtFrame.back(), framesBefore) << "kept after a wheel step, spin " << spin;
    ASSERT_EQ(Differences(game, view.kept.back()), "") << "spin " << spin;
    ASSERT_EQ(Differences(game, face), "") << "the face, spin " << spin;

    hurried += hurry ? 1 : 0;
    free += freeBefore > 0 ? 1 : 0;
    paid += freeBefore == 0 ? 1 : 0;
    poolShares += freeBefore == 0 && game.BonusPool > poolBefore ? 1 : 0;
    bonuses += freeBefore == 0 && game.FreeSpins == FreeSpinsPerBonus ? 1 : 0;
    roundEnds += freeBefore == 1 ? 1 : 0;
    wins += game.History.Plays().front().win > 0 ? 1 : 0;
  }
  // Every kind of spin was met, more than once.
  EXPECT_GT(paid, 100);
  EXPECT_GT(poolShares, 50);
  EXPECT_GT(free, 50);
  EXPECT_GT(bonuses, 5);
  EXPECT_GT(roundEnds, 5);
  EXPECT_GT(hurried, 100);
  EXPECT_GT(wins, 100);
}

// The spin is written before the wheels' schedule starts, and the wheels keep
// it step by step at every speed; a file sound holds the steps after it for
// its length.
TEST_F(MachineTest, WheelStepsFollowTheWriteOnTheirSchedule) {
  for (int speed : {0, 1, 2}) {
    SCOPED_TRACE(speed);
    machine.SelectSpeed(speed);
    PlaceCoins(1);
    view.frameTimes.clear();
    SpinAt(QuietStops);
    const std::size_t keep = lastPlan.SaveStep();
    ASSERT_LT(keep, lastPlan.steps.size());
    const std::int64_t kept = lastPlan.steps[keep].due;
    ASSERT_EQ(view.frameTimes.size(), std::size_t{AnimationSteps});
    std::int64_t previous = view.frameTimes.front() - machine.SpinDelay();
    for (std::size_t step = 0; step < view.frameTimes.size(); ++step) {
      ASSERT_EQ(view.frameTimes[step] - previous, machine.SpinDelay()) << step;
      previous = view.frameTimes[step];
    }
    for (std::size_t i = 0; i < keep; ++i) ASSERT_NE(lastPlan.steps[i].kind, StepKind::Wheels);
    EXPECT_EQ(kept, 0);
  }
  // The lose sound holds the meter's move for its length.
  view.fileSoundHold = 900;
  settings.sndLose = true;
  PlaceCoins(1);
  view.log.clear();
  view.soundTimes.clear();
  SpinAt(DrainStops);
  const std::size_t lose = Find("sound seLose");
  const std::size_t drain = Find("sound sePowerDrain");
  ASSERT_LT(drain, view.log.size());
  EXPECT_EQ(view.soundTimes.back() - view.soundTimes[view.soundTimes.size() - 2], 900);
  EXPECT_LT(lose, drain);
}

TEST_F(MachineTest, EachSpinRecordsItsPlay) {
  view.unixTime = 1'750'000'000;
  // Five coins, one a line: top row 3 3 3 (20 a coin) and middle row 5 5 5
  // (5 a coin), one Voltaro symbol.
  PlaceCoins(5);
  SpinAt(TwoLineStops);
  PlayRecord expected;
  expected.playedAt = 1'750'000'000;
  expected.coinValue = 0.25;
  expected.coins = 5;
  expected.free = false;
  expected.window = state.Window;
  expected.winningLines = 0b00011;
  expected.win = 6.25;
  expected.creditsBefore = 1000.00;
  expected.creditsAfter = 1005.00;
  expected.meterBefore = 0;
  expected.meterAfter = 10;
  ASSERT_EQ(state.History.Plays().size(), 1u);
  EXPECT_EQ(state.History.Plays().front(), expected);

  // Three Voltaro symbols fill the meter from 90: the pool is paid and the
  // meter empties.
  Change([&](GameState& g) { g.PowerPts = 90; });
  PlaceCoins(1);
  SpinAt(ThreeVoltaroStops);
  const PlayRecord bonus = state.History.Plays().front();
  EXPECT_EQ(bonus.coins, 1);
  EXPECT_EQ(bonus.win, 0.0);
  EXPECT_EQ(bonus.poolPaid, 50.00);
  EXPECT_EQ(bonus.winningLines, 0);
  EXPECT_EQ(bonus.creditsBefore, 1005.00);
  EXPECT_EQ(bonus.creditsAfter, 1054.75);
  EXPECT_EQ(bonus.meterBefore, 90);
  EXPECT_EQ(bonus.meterAfter, 0);

  // A free spin replays the one coin at no cost: 5 5 3 on line 1.
  SpinAt(TwoFivesStops);
  const PlayRecord replay = state.History.Plays().front();
  EXPECT_TRUE(replay.free);
  EXPECT_EQ(replay.coins, 1);
  EXPECT_EQ(replay.win, 0.50);
  EXPECT_EQ(replay.winningLines, 0b00001);
  EXPECT_EQ(replay.creditsBefore, 1054.75);
  EXPECT_EQ(replay.creditsAfter, 1055.25);

  // The totals are the sum of the three plays.
  const GameStatistics& totals = state.Statistics;
  EXPECT_EQ(totals.paidSpins, 2);
  EXPECT_EQ(totals.freeSpins, 1);
  EXPECT_EQ(totals.coinsWagered, 6);
  EXPECT_EQ(totals.moneyWagered, 1.50);
  EXPECT_EQ(totals.wonOnLines, 6.75);
  EXPECT_EQ(totals.wonFromPool, 50.00);
  EXPECT_EQ(totals.bonuses, 1);
  EXPECT_EQ(totals.biggestWin, 50.00);
  EXPECT_EQ(state.History.Plays().size(), 3u);

  // The chart has a point per play with the totals as they then stood; the
  // bonus is marked.
  const std::vector<ChartPoint> chart{
      {1, 1, 1005.00, 1.25, 6.25, 0, 0.00},
      {2, 2, 1054.75, 1.50, 56.25, chart_mark::Bonus, 50.00},
      {3, 2, 1055.25, 1.50, 56.75, 0, 50.00},
  };
  EXPECT_EQ(state.Chart.Points(), chart);
}

TEST_F(MachineTest, CommandsThatMoveMoneyAreKept) {
  // Coins on the table are kept soon, the spin they make at once.
  PlaceCoins(2);
  ASSERT_EQ(view.keptSoon.size(), 2u);
  EXPECT_EQ(view.keptSoon.back().Wager, 0.50);
  EXPECT_EQ(view.keptSoon.back().Credits, 999.50);
  EXPECT_TRUE(view.kept.empty());
  NextStops(QuietStops);
  PlaceCoins(23);
  EXPECT_EQ(view.keptSoon.size(), 24u);  // the 25th coin spins
  ASSERT_EQ(view.kept.size(), 1u);
  EXPECT_EQ(view.kept.back().Wager, 0.0);
  EXPECT_EQ(view.kept.back().LastBet, 6.25);

  // Borrow and pay back are kept with the amount that moved; at the money
  // limit a loan gives only what fits.
  EXPECT_EQ(machine.Borrow(500), MoneyMove::Done);
  EXPECT_EQ(view.kept.back().Borrowed, 1500.00);
  EXPECT_EQ(view.kept.back().Statistics.borrowed, 500.00);
  EXPECT_EQ(machine.PayBack(200), MoneyMove::Done);
  EXPECT_EQ(view.kept.back().Statistics.paidBack, 200.00);
  EXPECT_EQ(machine.PayBack(1e6), MoneyMove::NotEnoughCredits);
  EXPECT_EQ(view.kept.back().Statistics.paidBack, 200.00);
  // On the chart a loan and a pay-back move the credits at the same play,
  // marked as what they are; a refused one leaves no point.
  const std::vector<ChartPoint>& chart = view.kept.back().Chart.Points();
  ASSERT_EQ(chart.size(), 3u);
  EXPECT_EQ(chart[1], (ChartPoint{1, 1, 1493.75, 6.25, chart[0].returned, chart_mark::Loan,
                                  chart[0].fromPool}));
  EXPECT_EQ(chart[2], (ChartPoint{1, 1, 1293.75, 6.25, chart[0].returned, chart_mark::PayBack,
                                  chart[0].fromPool}));
  Change([&](GameState& g) { g.Credits = money::LargestAmount - 1.00; });
  EXPECT_EQ(machine.Borrow(5), MoneyMove::Done);
  EXPECT_EQ(view.kept.back().Statistics.borrowed, 501.00);
  EXPECT_EQ(view.kept.back().Credits, money::LargestAmount);

  // A coin value, a new game and an opened game are kept at once; the last
  // two start the totals, the plays and the chart afresh.
  const std::size_t kept = view.kept.size();
  ASSERT_TRUE(machine.ChooseCoinValue(2));
  EXPECT_EQ(view.kept.size(), kept + 1);
  EXPECT_EQ(view.kept.back().CoinValue, 0.50);
  ASSERT_TRUE(machine.NewGame());
  EXPECT_EQ(view.kept.back().Credits, 1000.00);
  EXPECT_EQ(view.kept.back().Statistics, GameStatistics{});
  EXPECT_TRUE(view.kept.back().History.Plays().empty());
  // The chart starts afresh from the new game's credits.
  EXPECT_EQ(view.kept.back().Chart.Points(),
            (std::vector<ChartPoint>{{.credits = 1000.00, .fromPool = 0.0}}));
  ASSERT_TRUE(machine.Borrow(100) == MoneyMove::Done);
  EXPECT_EQ(view.kept.back().Chart.Points().size(), 2u);
  GameSnapshot saved;
  saved.Credits = 40.00;
  ASSERT_TRUE(machine.OpenGame(saved));
  EXPECT_EQ(view.kept.back().Credits, 40.00);
  EXPECT_EQ(view.kept.back().Statistics, GameStatistics{});
  EXPECT_EQ(view.kept.back().Chart.Points(),
            (std::vector<ChartPoint>{{.credits = 40.00, .fromPool = 0.0}}));
  EXPECT_TRUE(view.kept.back().History.Plays().empty());
}

// A meter or pool no game at rest can show is read as the nearest that one
// can, at start-up and from a slot: a full meter would have paid its bonus.
TEST_F(MachineTest, ImpossibleMeterAndPoolReadAsTheNearestAtRest) {
  const struct {
    std::int32_t power;
    double pool;
    std::int32_t powerRead;
    double poolRead;
  } cases[] = {{150, -100.00, 99, 0.00},
               {2147483647, 5.00, 99, 5.00},
               {-20, 0.25, 0, 0.25},
               {99, 12.50, 99, 12.50}};
  for (const auto& c : cases) {
    Change([&](GameState& g) {
      g.PowerPts = c.power;
      g.BonusPool = c.pool;
    });
    machine.ResumeGame();
    EXPECT_EQ(state.PowerPts, c.powerRead) << c.power;
    EXPECT_EQ(state.BonusPool, c.poolRead) << c.pool;
    GameSnapshot slot;
    slot.PowerPts = c.power;
    slot.BonusPool = c.pool;
    ASSERT_TRUE(machine.OpenGame(slot));
    EXPECT_EQ(state.PowerPts, c.powerRead) << c.power;
    EXPECT_EQ(state.BonusPool, c.poolRead) << c.pool;
  }
}

TEST_F(MachineTest, StartUpGivesBackAWagerAndResumesFreeSpins) {
  Change([&](GameState& g) {
    g.Credits = 10.00;
    g.Wager = 0.75;
    g.FreeSpins = 3;
    g.LastBet = 1.25;  // five coins
    g.BonusPool = 0;
  });
  machine.ResumeGame();
  EXPECT_EQ(state.Credits, 10.75);
  EXPECT_EQ(state.Wager, 0.0);
  EXPECT_EQ(state.FreeSpins, 3);
  EXPECT_EQ(state.Strip2, std::string(Strip2FreeSpinDigits));
  EXPECT_TRUE(view.autoSpinTimer);

  // The round plays on at no cost, then the pool is seeded again.
  for (int free = 0; free < 3; ++free) {
    NextStops(QuietStops);
    Run(machine.AutoSpinTick());
    EXPECT_EQ(view.lampCoins, 5);
  }
  EXPECT_EQ(state.FreeSpins, 0);
  EXPECT_EQ(state.FreeSpinsPlayed, 3);
  EXPECT_EQ(state.Credits, 10.75);
  EXPECT_EQ(state.BonusPool, 50.00);
  EXPECT_EQ(state.Strip2, std::string(Strip2NormalDigits));
  EXPECT_FALSE(view.autoSpinTimer);
}

// What no game writes is read as the nearest it does: 0 to 7 free spins of
// 1 to 25 whole coins, 0 to 25 whole coins on the table, no money below
// nothing. Coins at 25 cents here.
TEST_F(MachineTest, StartUpReadsTheNearestGameTheRulesAllow) {
  struct Case {
    std::int32_t freeSpins;
    double bet;
    double wager;
    double credits;
    std::int32_t freeSpinsRead;
    double betRead;
    double creditsRead;  // the wager given back
  };
  for (const Case& c : {
           Case{8, 1.25, -5.00, 1000.00, 7, 1.25, 1000.00},
           Case{-1, 1.25, 1000.00, 1000.00, 0, 0, 1006.25},
           Case{3, 0, 0.30, 1000.00, 3, 0.25, 1000.25},
           Case{3, 0.30, 0.40, -50.00, 3, 0.25, 0.50},
           Case{3, 6.50, 0, 0, 3, 6.25, 0},
           Case{3, -0.25, 0.12, 10.00, 3, 0.25, 10.00},
           Case{7, 1.00, 6.25, 10.00, 7, 1.00, 16.25},  // 4 coins, 25 coins
           Case{0, 1.25, 0.75, 10.00, 0, 0, 10.75},
       }) {
    GameState loaded;
    loaded.FreeSpins = c.freeSpins;
    loaded.LastBet = c.bet;
    loaded.Wager = c.wager;
    loaded.Credits = c.credits;
    loaded.Borrowed = -20.50;
    machine.RestoreGame(loaded);
    view.autoSpinTimer = false;
    machine.ResumeGame();
    SCOPED_TRACE(std::to_string(c.freeSpins) + " " + std::to_string(c.bet) + " " +
                 std::to_string(c.wager));
    EXPECT_EQ(state.FreeSpins, c.freeSpinsRead);
    EXPECT_EQ(state.LastBet, c.betRead);
    EXPECT_EQ(state.Credits, c.creditsRead);
    EXPECT_EQ(state.Wager, 0.0);
    EXPECT_EQ(state.Borrowed, 0.0);
    EXPECT_EQ(view.autoSpinTimer, c.freeSpinsRead > 0);
  }
}
