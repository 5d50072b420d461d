// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>

#include "MachineFixture.h"

TEST_F(MachineTest, MeterRisesTenPerVoltaroAnywhereInTheWindow) {
  PlaceCoins(1);  // line 1 only; the Voltaro symbols lie on other rows too
  SpinAt(ThreeVoltaroStops);
  EXPECT_EQ(state.PowerPts, 30);
  Change([&](GameState& g) { g.PowerPts = 95; });
  SpinAt(ThreeVoltaroStops);
  EXPECT_EQ(state.FreeSpins, 7);  // capped at 100, then the bonus
}

TEST_F(MachineTest, DrainHalvesTheMeterAndOutweighsVoltaros) {
  PlaceCoins(1);
  Change([&](GameState& g) { g.PowerPts = 55; });
  view.log.clear();
  SpinAt(DrainStops);
  EXPECT_EQ(state.PowerPts, 27);
  EXPECT_EQ(view.Count("sound sePowerDrain"), 1);
  EXPECT_EQ(view.Count("sound sePowerUp"), 0);
  EXPECT_TRUE(Logged("meter falling"));

  Change([&](GameState& g) { g.PowerPts = 0; });
  SpinAt(DrainStops);
  EXPECT_EQ(state.PowerPts, 0);
  EXPECT_EQ(view.Count("sound sePowerDrain"), 2);
}

TEST_F(MachineTest, QuietSpinLeavesTheMeterAlone) {
  PlaceCoins(1);
  Change([&](GameState& g) { g.PowerPts = 40; });
  view.log.clear();
  SpinAt(QuietStops);
  EXPECT_EQ(state.PowerPts, 40);
  EXPECT_FALSE(Logged("meter rising"));
  EXPECT_FALSE(Logged("meter falling"));
}

TEST_F(MachineTest, FullMeterPaysThePoolCoinByCoin) {
  Change([&](GameState& g) {
    g.PowerPts = 90;
    g.BonusPool = 57.00;
  });
  PlaceCoins(2);
  view.log.clear();
  view.waits.clear();
  SpinAt(TwoLineStops);  // wins 6.25 and raises the meter by 10
  // The win is counted first, then the power-up, then the bonus count.
  const std::size_t lastWinCoin = Find("won 0.00");
  const std::size_t powerUp = Find("sound sePowerUp");
  const std::size_t bonus = Find("sound seBonus");
  EXPECT_LT(lastWinCoin, powerUp);
  EXPECT_LT(powerUp, bonus);
  EXPECT_LT(bonus, Find("bonus 56.75"));
  EXPECT_EQ(state.BonusPool, 0);
  EXPECT_EQ(state.Credits, money::Add(money::Add(999.50, 6.25), 57.00));
  EXPECT_EQ(state.FreeSpins, 7);
  EXPECT_EQ(state.PowerPts, 0);
  EXPECT_EQ(state.Strip2, Strip2FreeSpinDigits);
  EXPECT_TRUE(view.autoSpinTimer);  // the free spins follow a second later

  // 228 coins of the pool: 0.01 s apart while 100 or more are left, the last
  // five 0.25 s apart.
  const std::vector<int> bonusPauses(view.waits.end() - 228, view.waits.end());
  EXPECT_EQ(std::count(bonusPauses.begin(), bonusPauses.end(), 10), 129);
  EXPECT_EQ(std::vector<int>(bonusPauses.end() - 5, bonusPauses.end()),
            (std::vector<int>{250, 250, 250, 250, 250}));
}

// However large, a pool is counted coin by coin to its last coin at the
// bonus pauses: the 10000.00 of a never-saved slot at 5¢ is 200,000 coins,
// in a plan of a few hundred steps.
TEST_F(MachineTest, LargestSlotPoolIsCountedToItsLastCoin) {
  Change([&](GameState& g) {
    g.CoinValue = 0.05;
    g.BonusPool = 10000.00;
    g.PowerPts = 90;
  });
  PlaceCoins(1);
  view.log.clear();
  view.waits.clear();
  SpinAt(ThreeVoltaroStops);
  EXPECT_LT(lastPlan.steps.size(), 500u);
  EXPECT_EQ(view.CountHeard(SoundEvent::seCredits), 200'000);
  EXPECT_TRUE(Logged("bonus 9999.95"));
  EXPECT_TRUE(Logged("credits 10999.95"));
  ASSERT_GE(view.waits.size(), 200'000u);
  std::map<int, int> pauses;
  for (std::size_t i = view.waits.size() - 200'000; i < view.waits.size(); ++i)
    ++pauses[view.waits[i]];
  EXPECT_EQ(pauses,
            (std::map<int, int>{{5, 199'501}, {10, 400}, {50, 50}, {100, 35}, {150, 9}, {250, 5}}));
  EXPECT_EQ(state.Credits, 10999.95);
  EXPECT_EQ(state.BonusPool, 0);
}

TEST_F(MachineTest, PoolThatIsNotAWholeNumberOfCoinsPaysExactlyWhatItHolds) {
  Change([&](GameState& g) { g.CoinValue = 5.00; });
  settings.Bet = 0;
  Change([&](GameState& g) {
    g.BonusPool = 61.25;  // opened from a game saved at another coin value
    g.PowerPts = 100;
  });
  PlaceCoins(1);
  const double before = state.Credits;
  SpinAt(QuietStops);
  EXPECT_EQ(state.BonusPool, 0);
  EXPECT_EQ(state.Credits, money::Add(before, 61.25));
}

// The credits stand at the money limit with 1.25 on the table: none of the
// pool fits, yet the meter filled, so the play is a bonus wherever the game
// tells of one.
TEST_F(MachineTest, BonusAtTheMoneyLimitIsStillABonus) {
  PlaceCoins(5);
  Change([&](GameState& g) {
    g.Credits = money::LargestAmount;
    g.PowerPts = 90;
  });
  view.log.clear();
  SpinAt({30, 10, 0});
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_EQ(state.FreeSpins, 7);
  EXPECT_EQ(view.Count("sound seBonus"), 1);
  const PlayRecord& play = state.History.Plays().front();
  EXPECT_TRUE(play.bonus);
  EXPECT_EQ(play.poolPaid, 0.0);
  EXPECT_EQ(state.Statistics.bonuses, 1);
  EXPECT_EQ(state.Statistics.wonFromPool, 0.0);
  EXPECT_EQ(state.Chart.Points().back().marks, chart_mark::Bonus);
}

TEST_F(MachineTest, SevenFreeSpinsPlayTheWinningBetForNothing) {
  Change([&](GameState& g) { g.PowerPts = 90; });
  PlaceCoins(3);
  SpinAt(ThreeVoltaroStops);
  ASSERT_EQ(state.FreeSpins, 7);
  const double creditsAfterBonus = state.Credits;
  const int spins = state.Spins;
  settings.sndPowerUp = true;
  settings.sndPowerDown = true;

  for (int freeSpin = 1; freeSpin <= 7; ++freeSpin) {
    ASSERT_TRUE(view.autoSpinTimer);
    view.log.clear();
    NextStops(freeSpin % 2 ? ThreeVoltaroStops : QuietStops);
    Run(machine.AutoSpinTick());
    EXPECT_EQ(state.Credits, creditsAfterBonus) << "free spin " << freeSpin;
    EXPECT_EQ(state.Spins, spins);
    EXPECT_EQ(state.FreeSpinsPlayed, freeSpin);
    EXPECT_TRUE(Logged("freespinsplayed " + std::to_string(freeSpin)));
    EXPECT_TRUE(Logged("spinfree " + std::to_string(7 - freeSpin)));
    EXPECT_EQ(view.lampCoins, 3);
    EXPECT_EQ(state.LineBet, (std::array<double, 5>{0.25, 0.25, 0.25, 0, 0}));
    EXPECT_EQ(state.PowerPts, 0);
    EXPECT_FALSE(Logged("sound sePowerUp"));
    EXPECT_FALSE(Logged("sound sePowerDrain"));
    EXPECT_EQ(state.BonusPool, freeSpin < 7 ? 0 : 50.00);
    EXPECT_EQ(state.Strip2, freeSpin < 7 ? Strip2FreeSpinDigits : Strip2NormalDigits);
  }
  EXPECT_EQ(state.FreeSpins, 0);
  EXPECT_FALSE(view.autoSpinTimer);
  EXPECT_FALSE(view.autoSpinChecked);
  EXPECT_EQ(state.LastBet, 0.75);
}

TEST_F(MachineTest, FreeSpinWinsArePaidIntoTheCredits) {
  Change([&](GameState& g) {
    g.FreeSpins = 2;
    SwitchToFreeSpinStrip(g);
    g.LastBet = 0.50;
  });
  SpinAt(TwoLineStops);
  EXPECT_EQ(state.Credits, 1006.25);
  EXPECT_EQ(state.FreeSpins, 1);
}

TEST_F(MachineTest, BetsAreRefusedBetweenFreeSpins) {
  Change([&](GameState& g) {
    g.FreeSpins = 3;
    g.LastBet = 1.25;
  });
  Run(machine.Bet1());
  Run(machine.BetMax());
  EXPECT_EQ(state.Credits, 1000.00);
  EXPECT_EQ(state.Wager, 0);
  EXPECT_TRUE(view.frames.empty());
  EXPECT_EQ(view.Count("sound seCoins"), 0);
}
