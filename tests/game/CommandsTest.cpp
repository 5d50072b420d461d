// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineFixture.h"
#include "Timings.h"

TEST_F(MachineTest, CoinValueCannotChangeBeforeTheFirstPaidSpin) {
  EXPECT_FALSE(machine.ChooseCoinValue(0));
  EXPECT_EQ(state.CoinValue, 0.25);
  EXPECT_EQ(view.betMark, 3);
  EXPECT_EQ(settings.Bet, 3);
}

TEST_F(MachineTest, CoinValueChangeGivesBackTheWagerAndResetsTheBonus) {
  Change([&](GameState& g) {
    g.Spins = 3;
    g.Credits = 98.75;
    g.Wager = 1.25;
    g.LastBet = 0.50;
    g.BonusPool = 73.50;
    g.PowerPts = 60;
  });
  EXPECT_TRUE(machine.ChooseCoinValue(0));
  EXPECT_EQ(state.Credits, 100.00);
  EXPECT_EQ(state.Wager, 0);
  EXPECT_EQ(state.LastBet, 0);
  EXPECT_EQ(state.BonusPool, 1000.00);
  EXPECT_EQ(state.PowerPts, 0);
  EXPECT_EQ(state.CoinValue, 5.00);
  EXPECT_EQ(settings.Bet, 0);
  EXPECT_EQ(view.betMark, 0);

  const double seeds[] = {1000.00, 200.00, 100.00, 50.00, 20.00, 10.00};
  for (int bet = 0; bet < 6; ++bet) {
    Change([&](GameState& g) { g.PowerPts = 20; });
    machine.ChooseCoinValue(bet);  // the value in force too: still a reset
    EXPECT_EQ(state.BonusPool, seeds[bet]);
    EXPECT_EQ(state.PowerPts, 0);
  }
}

TEST_F(MachineTest, NewGameStartsAFreshBorrowedStake) {
  Change([&](GameState& g) {
    g.CoinValue = 1.00;
    g.Credits = 3.00;
    g.Borrowed = 5000.00;
    g.Spins = 40;
    g.FreeSpinsPlayed = 7;
    g.PowerPts = 80;
    g.Wager = 3.00;
    g.FreeSpins = 4;
    g.LinePay[3] = 20.00;
    g.WinAmount = 20.00;
  });
  // A free-spin round belongs to its game: no new game, open or coin value
  // before it has been played out.
  EXPECT_FALSE(machine.MayLeaveGame());
  EXPECT_FALSE(machine.NewGame());
  EXPECT_FALSE(machine.OpenGame(GameSnapshot{}));
  EXPECT_FALSE(machine.ChooseCoinValue(0));
  EXPECT_EQ(state.Credits, 3.00);
  Change([&](GameState& g) { g.FreeSpins = 0; });
  EXPECT_TRUE(machine.NewGame());
  EXPECT_EQ(state.Credits, 1000.00);
  EXPECT_EQ(state.Borrowed, 1000.00);
  EXPECT_EQ(state.BonusPool, 200.00);
  EXPECT_EQ(state.Spins, 0);
  EXPECT_EQ(state.FreeSpinsPlayed, 0);
  EXPECT_EQ(state.PowerPts, 0);
  EXPECT_EQ(state.Wager, 0);
  EXPECT_EQ(state.CoinValue, 1.00);
  // Nothing of the old game's last spin stays to be drawn.
  EXPECT_EQ(state.LinePay, (std::array<double, 5>{}));
  EXPECT_EQ(state.WinAmount, 0);
}

TEST_F(MachineTest, BorrowAndPayBackKeepBothSidesExact) {
  for (int i = 0; i < 3; ++i) EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, 4000.00);
  EXPECT_EQ(state.Borrowed, 4000.00);

  Change([&](GameState& g) { g.Credits = 999.99; });
  EXPECT_EQ(machine.PayBack(1000), MoneyMove::NotEnoughCredits);
  Change([&](GameState& g) {
    g.Credits = 50;
    g.Borrowed = 5;
  });
  EXPECT_EQ(machine.PayBack(10), MoneyMove::MoreThanBorrowed);
  Change([&](GameState& g) {
    g.Credits = 0.50;
    g.Borrowed = 0.50;
  });
  EXPECT_EQ(machine.PayBack(1), MoneyMove::NotEnoughCredits);  // the credit check comes first
  EXPECT_EQ(state.Credits, 0.50);

  Change([&](GameState& g) {
    g.Credits = 0;
    g.Borrowed = 0;
  });
  for (int i = 0; i < 30; ++i) machine.Borrow(0.01);
  for (int i = 0; i < 30; ++i) ASSERT_EQ(machine.PayBack(0.01), MoneyMove::Done) << i;
  EXPECT_EQ(state.Credits, 0);
  EXPECT_EQ(state.Borrowed, 0);
}

// The coins on the table belong to the game being left: the opened game
// starts with no wager, its own credits and the coin value in force.
TEST_F(MachineTest, OpeningAGameLeavesTheWagerBehind) {
  PlaceCoins(5);
  GameSnapshot saved;
  saved.Credits = 1234.56;
  saved.Borrowed = 1000.00;
  saved.BonusPool = 61.25;
  saved.Spins = 25;
  saved.PowerPts = 40;
  EXPECT_TRUE(machine.OpenGame(saved));
  EXPECT_EQ(state.Credits, 1234.56);
  EXPECT_EQ(state.Spins, 25);
  EXPECT_EQ(state.Wager, 0);
  EXPECT_EQ(state.CoinValue, 0.25);
}

TEST_F(MachineTest, AutoSpinRepeatsTheBetUntilCreditsRunOut) {
  PlaceCoins(4);
  SpinAt(QuietStops);
  machine.ToggleAutoSpin();
  EXPECT_TRUE(view.autoSpinChecked);
  EXPECT_TRUE(view.autoSpinTimer);

  // two more spins of 1.00

  Change([&](GameState& g) { g.Credits = 2.00; });
  for (int tick = 0; tick < 2; ++tick) {
    NextStops(QuietStops);
    Run(machine.AutoSpinTick());
    EXPECT_TRUE(view.autoSpinTimer) << "re-armed after spin " << tick;
  }
  EXPECT_EQ(state.Spins, 3);
  EXPECT_EQ(state.Credits, 0);
  Run(machine.AutoSpinTick());  // nothing left to bet: the mark clears itself
  EXPECT_FALSE(view.autoSpinChecked);
  EXPECT_FALSE(view.autoSpinTimer);
  EXPECT_EQ(state.Spins, 3);
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(MachineTest, AutoSpinWithoutAPreviousBetClearsItself) {
  machine.ToggleAutoSpin();
  Run(machine.AutoSpinTick());
  EXPECT_FALSE(view.autoSpinChecked);
  EXPECT_FALSE(view.autoSpinTimer);
  EXPECT_EQ(state.Spins, 0);
}

TEST_F(MachineTest, AutoSpinToggledWhileFreeSpinsWaitStopsTheirTimer) {
  // A free spin ends with the timer armed for the next one.
  Change([&](GameState& g) {
    g.FreeSpins = 4;
    g.LastBet = 0.25;
  });
  SpinAt(QuietStops);
  ASSERT_TRUE(view.autoSpinTimer);
  ASSERT_FALSE(view.autoSpinChecked);
  machine.ToggleAutoSpin();
  EXPECT_TRUE(view.autoSpinChecked);
  EXPECT_FALSE(view.autoSpinTimer);
  SpinAt(QuietStops);
  EXPECT_TRUE(view.autoSpinTimer);
  EXPECT_EQ(state.FreeSpins, 2);
}

// A plan handed out and not yet played to its end: every command that would
// move money or start a second spin is refused meanwhile, and nothing the
// refusals did shows in the game or the plan.
TEST_F(MachineTest, NothingThatMovesMoneyInterleavesWithAPlan) {
  Change([&](GameState& g) { g.Spins = 1; });
  PlaceCoins(2);
  machine.ToggleAutoSpin();
  ASSERT_TRUE(view.autoSpinTimer && view.autoSpinChecked);
  NextStops(QuietStops);
  const Plan plan = machine.Spin();
  EXPECT_TRUE(machine.IsBusy());
  EXPECT_FALSE(machine.MayLeaveGame());
  const GameState settled = state;
  EXPECT_TRUE(machine.AutoSpinTick().Empty());
  EXPECT_TRUE(machine.Spin().Empty());
  EXPECT_TRUE(machine.Bet1().Empty());
  EXPECT_TRUE(machine.BetMax().Empty());
  EXPECT_FALSE(machine.ChooseCoinValue(0));
  EXPECT_FALSE(machine.NewGame());
  EXPECT_EQ(machine.Borrow(100), MoneyMove::Busy);
  EXPECT_EQ(machine.PayBack(1), MoneyMove::Busy);
  EXPECT_FALSE(machine.OpenGame(GameSnapshot{}));
  EXPECT_FALSE(machine.ReturnWager());
  EXPECT_EQ(state.Credits, settled.Credits);
  EXPECT_EQ(state.Spins, 2);
  Run(plan);
  EXPECT_EQ(view.frames.size(), 101u);
  EXPECT_EQ(state.Credits, 999.50);
  EXPECT_EQ(state.LastBet, 0.50);
  EXPECT_FALSE(machine.IsBusy());
  EXPECT_TRUE(machine.NewGame());
}

// Every plan holds the game commands off from its first step to its last,
// once per command rather than once per coin; a refused bet holds nothing
// off.
TEST_F(MachineTest, GameCommandsAreHeldOffForTheWholePlan) {
  Change([&](GameState& g) { g.PowerPts = 90; });
  view.log.clear();
  for (int coin = 0; coin < 3; ++coin) {
    const Plan bet = machine.Bet1();
    ASSERT_GE(bet.steps.size(), 2u);
    EXPECT_EQ(bet.steps.front().kind, StepKind::GameCommands);
    EXPECT_EQ(bet.steps.front().which, 0);
    EXPECT_EQ(bet.steps.back().kind, StepKind::GameCommands);
    EXPECT_EQ(bet.steps.back().which, 1);
    Run(bet);
  }
  BetMaxAt(JackpotStops);  // Bet Max coins, wheels, win count, bonus count
  ASSERT_GT(StepsAsMet(lastPlan).size(), 5000u);
  EXPECT_EQ(lastPlan.steps.front().kind, StepKind::GameCommands);
  EXPECT_EQ(lastPlan.steps.back().kind, StepKind::GameCommands);
  EXPECT_EQ(view.Count("commands off"), 4);
  EXPECT_EQ(view.Count("commands on"), 4);
  EXPECT_TRUE(view.gameCommandsEnabled);
  Change([&](GameState& g) { g.Credits = 0; });
  Run(machine.Bet1());
  Run(machine.BetMax());
  EXPECT_TRUE(view.gameCommandsEnabled);
  EXPECT_FALSE(machine.IsBusy());
}

// A close while Bet Max still feeds its coins drops the plan before the
// spin's start was shown: the game goes back to where it was, its wager
// whole. Once the spin was shown, it stays settled.
TEST_F(MachineTest, DroppedPlanKeepsOnlyASpinThePlayerSaw) {
  PlaceCoins(2);
  NextStops(JackpotStops);
  Plan plan = machine.BetMax();
  ASSERT_LT(plan.SaveStep(), plan.steps.size());
  EXPECT_EQ(plan.steps[plan.SaveStep()].due, 23 * timings::BetMaxCoinPause);
  EXPECT_EQ(state.Spins, 1);  // decided at once
  machine.DropPlan(false);
  EXPECT_EQ(state.Spins, 0);
  EXPECT_EQ(state.Credits, 999.50);
  EXPECT_EQ(state.Wager, 0.50);
  EXPECT_TRUE(machine.ReturnWager());
  EXPECT_EQ(state.Credits, 1000.00);

  NextStops(JackpotStops);
  plan = machine.BetMax();
  const GameState settled = state;
  machine.DropPlan(true);
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.Credits, settled.Credits);
  EXPECT_FALSE(machine.IsBusy());
}

// Hurried at any step of the wheels or of a count-up, a spin ends exactly
// where it would have, sooner: the wheels jump to their stops with one stop
// sound, the rest of a count goes in at once, and everything after follows.
TEST_F(MachineTest, HurriedSpinEndsAsTheUnhurriedOne) {
  Change([&](GameState& g) { g.PowerPts = 90; });
  NextStops(JackpotStops);
  const GameState before = state;
  const Plan plan = machine.BetMax();
  const GameState settled = state;
  ASSERT_EQ(plan.hurries.size(), 3u);  // the wheels, the win, the pool
  const HurryRun wheels = plan.hurries[0];
  const HurryRun win = plan.hurries[1];
  EXPECT_EQ(wheels.endSound, SoundEvent::seStop);
  EXPECT_FALSE(win.endSound.has_value());

  machine.DropPlan(true);
  for (const HurryPoint at :
       {HurryPoint(wheels.first), HurryPoint(wheels.first + 50), HurryPoint(wheels.end - 1),
        HurryPoint(win.first, 7), HurryPoint(plan.hurries[2].first, 3)}) {
    SCOPED_TRACE(at.step * 1000 + at.into);
    FakeView watch(settings);
    const GameState end = PlayPlanAtOnce(
        plan, before, watch, watch, [&](std::int64_t t) { watch.AdvanceTo(1'000'000 + t); }, at);
    EXPECT_EQ(end.Credits, settled.Credits);
    EXPECT_EQ(end.Stops, settled.Stops);
    EXPECT_EQ(end.LinePay, settled.LinePay);
    EXPECT_EQ(end.BonusPool, settled.BonusPool);
    EXPECT_EQ(end.FreeSpins, settled.FreeSpins);
    EXPECT_EQ(end.Strip2, settled.Strip2);
    EXPECT_EQ(watch.frames.back(),
              (std::array<int, 3>{settled.Stops[0], settled.Stops[1], settled.Stops[2]}));
    EXPECT_EQ(watch.log.back(), "commands on");
  }
  // Hurried as the wheels start: one picture of them, one stop sound.
  FakeView early(settings);
  PlayPlanAtOnce(plan, before, early, early, {}, wheels.first);
  EXPECT_EQ(early.frames.size(), 1u);
  EXPECT_EQ(early.CountHeard(SoundEvent::seStop), 1);
  EXPECT_EQ(early.CountHeard(SoundEvent::seSlotSpin), 0);
  // Hurried at the win's first coin: the credits jump to the end of the count.
  FakeView counting(settings);
  PlayPlanAtOnce(plan, before, counting, counting, {}, win.first);
  EXPECT_EQ(counting.Count("won 0.00"), 1);
  EXPECT_EQ(counting.CountHeard(SoundEvent::seCredits), 201);  // the pool's coins only
}

// Credits loaded at the money limit stay there: a borrow, a win or a bet
// never wraps them round, and the debt grows only by what was lent. What did
// not fit is told once, with what went in, and only that counts as won.
TEST_F(MachineTest, MoneyAtTheLimitStaysThere) {
  Change([&](GameState& g) { g.Credits = money::LargestAmount; });
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_EQ(state.Borrowed, 1000.00);

  Change([&](GameState& g) { g.Credits = money::Sub(money::LargestAmount, 400); });
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_EQ(state.Borrowed, 1400.00);
  ASSERT_EQ(view.messageAmounts.size(), 1u);  // nothing lent first, nothing said here
  EXPECT_EQ(view.messageAmounts.back(), 400.00);

  PlaceCoins(4);  // line 1 carries one coin: 5 5 3 pays 2 coins
  SpinAt(TwoFivesStops);
  EXPECT_EQ(state.Credits, money::Sub(money::LargestAmount, 0.50));
  const double wonBefore = state.Statistics.wonOnLines;
  BetMaxAt(JackpotStops);  // 1252.50 won on 6.25 bet: past the limit
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_GT(state.Credits, 0);
  ASSERT_EQ(view.messageAmounts.size(), 2u);
  EXPECT_EQ(view.messageAmounts.back(), 6.75);
  EXPECT_EQ(view.log.back(), "message " + view.messages.back());  // after the count
  EXPECT_EQ(state.Statistics.wonOnLines, money::Add(wonBefore, 6.75));
  EXPECT_EQ(state.History.Plays().front().win, 6.75);
  BetMaxAt(JackpotStops);  // still at the limit: not told again
  EXPECT_EQ(view.messageAmounts.size(), 2u);

  // The debt has its limit too: a loan gives what fits on both sides, and
  // the totals count what was lent.
  const double lentBefore = state.Statistics.borrowed;
  Change([&](GameState& g) {
    g.Credits = 100.00;
    g.Borrowed = money::LargestAmount;
  });
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, 100.00);
  EXPECT_EQ(state.Borrowed, money::LargestAmount);
  Change([&](GameState& g) { g.Borrowed = money::Sub(money::LargestAmount, 5); });
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, 105.00);
  EXPECT_EQ(state.Borrowed, money::LargestAmount);
  Change([&](GameState& g) {
    g.Credits = money::Sub(money::LargestAmount, 3);
    g.Borrowed = money::Sub(money::LargestAmount, 7);
  });
  EXPECT_EQ(machine.Borrow(10), MoneyMove::Done);
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_EQ(state.Borrowed, money::Sub(money::LargestAmount, 4));
  EXPECT_EQ(state.Statistics.borrowed, money::Add(lentBefore, 8));
  EXPECT_EQ(view.messageAmounts, (std::vector<double>{400.00, 6.75, 5.00, 3.00}));
}
