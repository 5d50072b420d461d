// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>

#include "MachineFixture.h"

TEST_F(MachineTest, SpinWithoutAnyBetAsksForOneAndChangesNothing) {
  Run(machine.Spin());
  EXPECT_EQ(view.messages, std::vector<std::string>{"Please place a bet before spinning."});
  EXPECT_EQ(state.Credits, 1000.00);
  EXPECT_EQ(state.Spins, 0);
  EXPECT_TRUE(view.frames.empty());
}

TEST_F(MachineTest, RepeatBetWithoutCreditsStopsAutoSpinWithTheCreditMessage) {
  PlaceCoins(3);
  SpinAt(TwoLineStops);
  ASSERT_GT(state.LinePay[0], 0);
  Change([&](GameState& g) { g.Credits = 0.50; });
  machine.ToggleAutoSpin();
  EXPECT_TRUE(view.autoSpinChecked);
  Run(machine.Spin());
  EXPECT_EQ(view.messages.back(),
            "You do not have enough credits to bet the same amount as you last spin; you better "
            "borrow some credits!.");
  EXPECT_FALSE(view.autoSpinChecked);
  EXPECT_EQ(state.Credits, 0.50);
  EXPECT_EQ(state.Spins, 1);
  // Nothing is played; the won lines are cleared all the same.
  EXPECT_TRUE(lastPlan.Empty());
  EXPECT_EQ(state.LinePay, (std::array<double, 5>{}));
}

TEST_F(MachineTest, BetsWithoutEnoughCreditsDoNothingSilently) {
  Change([&](GameState& g) { g.Credits = 0.20; });
  Run(machine.Bet1());
  EXPECT_EQ(state.Wager, 0);
  EXPECT_EQ(state.Credits, 0.20);

  Change([&](GameState& g) { g.Credits = 14 * 0.25; });
  PlaceCoins(10);
  EXPECT_EQ(state.Wager, 2.50);
  // 14 coins, one short of the 15 missing
  Change([&](GameState& g) { g.Credits = 3.50; });
  Run(machine.BetMax());
  EXPECT_EQ(state.Wager, 2.50);
  EXPECT_EQ(state.Credits, 3.50);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(view.frames.empty());
  EXPECT_EQ(view.CountHeard(SoundEvent::seCoins), 10);
}

TEST_F(MachineTest, ThreeCoinsThenSpinAndTheSameBetAgain) {
  PlaceCoins(3);
  EXPECT_EQ(state.Credits, 999.25);
  SpinAt(QuietStops);
  EXPECT_EQ(state.Credits, 999.25);
  EXPECT_EQ(state.BonusPool, 50.00);
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.LastBet, 0.75);
  EXPECT_EQ(state.Wager, 0);

  view.log.clear();
  SpinAt(QuietStops);
  EXPECT_EQ(state.Credits, 998.50);
  EXPECT_EQ(state.Spins, 2);
  EXPECT_EQ(view.lampCoins, 3);
  EXPECT_EQ(view.Count("sound seCoins"), 0);  // a repeated bet makes no coin sound
}

TEST_F(MachineTest, TwentyFifthCoinSpinsAtOnceAndFeedsThePool) {
  NextStops(QuietStops);
  PlaceCoins(25);
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.Credits, 993.75);
  EXPECT_EQ(state.BonusPool, 50.25);
  EXPECT_EQ(state.LastBet, 6.25);
}

TEST_F(MachineTest, BetMaxTopsUpCoinByCoinWithPausesThenSpins) {
  PlaceCoins(10);
  view.log.clear();
  BetMaxAt(QuietStops);
  EXPECT_EQ(view.Count("sound seCoins"), 15);
  // Each coin: lamps, credits, wager, coin sound, then a 0.1 s pause.
  std::size_t at = 0;
  for (int coin = 11; coin <= 25; ++coin) {
    at = Find("lamps " + std::to_string(coin), at);
    ASSERT_LT(at + 4, view.log.size());
    EXPECT_EQ(view.log[at + 3], "sound seCoins");
    EXPECT_EQ(view.log[at + 4], "wait 100");
  }
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.BonusPool, 50.25);
}

TEST_F(MachineTest, PaidSpinHappensInOrder) {
  settings.sndLose = true;
  PlaceCoins(2);
  view.log.clear();
  SpinAt(TwoLineStops);
  const std::vector<std::string> milestones = {
      "bonus 50.00",     "timer3 off",      "spins 1",      "buttons off",    "sound seStop",
      "sound seStop",    "sound seStop",    "timer3 on",    "payline 0",      "payline 1",
      "won 6.25",        "sound seWin",     "lamps 2",      "credits 999.75", "won 6.00",
      "sound seCredits", "sound sePowerUp", "meter rising", "buttons on",     "focus spin"};
  std::size_t at = 0;
  for (const auto& milestone : milestones) {
    const std::size_t next = Find(milestone, at);
    ASSERT_LT(next, view.log.size()) << "missing or out of order: " << milestone;
    at = next + 1;
  }
  EXPECT_EQ(state.Credits, money::Add(999.50, 6.25));
  EXPECT_EQ(state.WinAmount, 0);
  EXPECT_EQ(state.PowerPts, 10);
  EXPECT_EQ(view.Count("sound seLose"), 0);
}

TEST_F(MachineTest, WheelsStepOnTheTickAndSoundAtTheirSteps) {
  settings.sndSpin = true;
  const struct { int speed, delay, clickEvery; } speeds[] = {{0, 10, 5}, {1, 35, 3}, {2, 55, 2}};
  for (const auto& speed : speeds) {
    machine.SelectSpeed(speed.speed);
    EXPECT_EQ(view.speedMark, speed.speed);
    PlaceCoins(1);
    view.frames.clear();
    view.frameTimes.clear();
    view.heard.clear();
    view.soundTimes.clear();
    SpinAt(QuietStops);
    ASSERT_EQ(view.frames.size(), 101u);
    for (std::size_t i = 1; i < view.frameTimes.size(); ++i)
      EXPECT_EQ(view.frameTimes[i] - view.frameTimes[i - 1], speed.delay);
    EXPECT_EQ(view.frames.back(),
              (std::array<int, 3>{QuietStops[0], QuietStops[1], QuietStops[2]}));
    EXPECT_EQ(state.Stops, QuietStops);

    // The step of each sound, from the clock at which it sounded.
    const std::int64_t start = view.frameTimes[0] - speed.delay;
    std::vector<int> clicks, stops;
    for (std::size_t i = 0; i < view.heard.size(); ++i) {
      const int step = static_cast<int>((view.soundTimes[i] - start) / speed.delay);
      if (view.heard[i] == SoundEvent::seSlotSpin) clicks.push_back(step);
      if (view.heard[i] == SoundEvent::seStop) stops.push_back(step);
    }
    std::vector<int> expectedClicks;
    for (int step = speed.clickEvery; step < 99; step += speed.clickEvery)
      if (step != 59 && step != 79) expectedClicks.push_back(step);
    EXPECT_EQ(clicks, expectedClicks) << "speed " << speed.speed;
    EXPECT_EQ(stops, (std::vector<int>{59, 79, 99}));
  }
}

TEST_F(MachineTest, SpeedsOutsideTheThreeChangeNothing) {
  machine.SelectSpeed(2);
  machine.SelectSpeed(7);
  EXPECT_EQ(machine.SpinDelay(), 55);
  EXPECT_EQ(settings.Speed, 2);
}

TEST_F(MachineTest, WinIsCountedCoinByCoinWithSlowerPausesAtTheEnd) {
  PlaceCoins(4);  // line 1 carries one coin: 5 5 3 pays 2 coins
  view.log.clear();
  view.waits.clear();
  SpinAt(TwoFivesStops);
  EXPECT_EQ(view.Count("sound seWin"), 1);
  EXPECT_EQ(view.Count("sound seCredits"), 2);
  const std::vector<int> countPauses(view.waits.end() - 2, view.waits.end());
  EXPECT_EQ(countPauses, (std::vector<int>{120, 120}));
  EXPECT_EQ(state.Credits, 999.50);
}

TEST_F(MachineTest, JackpotCountsFiveThousandCoinsFastThenSlow) {
  view.waits.clear();
  BetMaxAt(JackpotStops);
  // Middle row pays 1000 per coin on 5 coins, the bottom row 5 5 4 pays 2.
  EXPECT_EQ(view.Count("won 1252.50"), 1);
  EXPECT_EQ(view.CountHeard(SoundEvent::seCredits), 5010);
  std::map<int, int> pauses;
  for (std::size_t i = view.waits.size() - 5010; i < view.waits.size(); ++i)
    ++pauses[view.waits[i]];
  EXPECT_EQ(pauses,
            (std::map<int, int>{{2, 4511}, {5, 400}, {20, 50}, {50, 35}, {70, 9}, {120, 5}}));
  EXPECT_EQ(state.Credits, money::Add(993.75, 1252.50));
}

// The count-up's pauses follow the coins still to count, at every coin
// value alike: 10c and 5c coins once came out 5.999... at six coins left.
TEST_F(MachineTest, CountUpPausesAreTheSameAtEveryCoinValue) {
  for (std::uint8_t bet = 0; bet < CoinValueCount; ++bet) {
    SCOPED_TRACE(CoinValueCaptions[bet]);
    settings.Bet = bet;
    Change([&](GameState& g) {
      g.CoinValue = CoinValues[bet];
      g.Credits = 10000;
      g.PowerPts = 0;
    });
    view.waits.clear();
    BetMaxAt(JackpotStops);
    std::map<int, int> pauses;
    for (std::size_t i = view.waits.size() - 5010; i < view.waits.size(); ++i)
      ++pauses[view.waits[i]];
    EXPECT_EQ(pauses,
              (std::map<int, int>{{2, 4511}, {5, 400}, {20, 50}, {50, 35}, {70, 9}, {120, 5}}));

    // A pool of twenty coins: six at >= 15 left, nine at >= 6, five below.
    Change([&](GameState& g) {
      g.BonusPool = money::Times(g.CoinValue, 20);
      g.PowerPts = 100;
    });
    view.waits.clear();
    PlaceCoins(1);
    SpinAt(QuietStops);
    ASSERT_GE(view.waits.size(), 20u);
    std::map<int, int> poolPauses;
    for (std::size_t i = view.waits.size() - 20; i < view.waits.size(); ++i)
      ++poolPauses[view.waits[i]];
    EXPECT_EQ(poolPauses, (std::map<int, int>{{100, 6}, {150, 9}, {250, 5}}));
    // Ready for the next coin value: the free spins are not played here.
    Change([&](GameState& g) {
      g.FreeSpins = 0;
      SwitchToNormalStrip(g);
    });
  }
}
