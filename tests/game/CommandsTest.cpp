// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineFixture.h"

TEST_F(MachineTest, CoinValueCannotChangeBeforeTheFirstPaidSpin) {
  EXPECT_FALSE(machine.ChooseCoinValue(0));
  EXPECT_EQ(state.CoinValue, 0.25);
  EXPECT_EQ(view.betMark, 3);
  EXPECT_EQ(settings.Bet, 3);
}

TEST_F(MachineTest, CoinValueChangeGivesBackTheWagerAndResetsTheBonus) {
  state.Spins = 3;
  state.Credits = 98.75;
  state.Wager = 1.25;
  state.LastBet = 0.50;
  state.BonusPool = 73.50;
  state.PowerPts = 60;
  EXPECT_TRUE(machine.ChooseCoinValue(0));
  EXPECT_EQ(state.Credits, 100.00);
  EXPECT_EQ(state.Wager, 0);
  EXPECT_EQ(state.LastBet, 0);
  EXPECT_EQ(state.BonusPool, 1000.00);
  EXPECT_EQ(state.PowerPts, 0);
  EXPECT_EQ(state.CoinValue, 5.00);
  EXPECT_EQ(settings.Bet, 0);
  EXPECT_EQ(view.betMark, 0);
  EXPECT_EQ(view.repaints, 1);

  const double seeds[] = {1000.00, 200.00, 100.00, 50.00, 20.00, 10.00};
  for (int bet = 0; bet < 6; ++bet) {
    state.PowerPts = 20;
    machine.ChooseCoinValue(bet);  // the value in force too: still a reset
    EXPECT_EQ(state.BonusPool, seeds[bet]);
    EXPECT_EQ(state.PowerPts, 0);
  }
}

TEST_F(MachineTest, NewGameStartsAFreshBorrowedStake) {
  state.CoinValue = 1.00;
  state.Credits = 3.00;
  state.Borrowed = 5000.00;
  state.Spins = 40;
  state.FreeSpinsPlayed = 7;
  state.PowerPts = 80;
  state.Wager = 3.00;
  state.FreeSpins = 4;
  EXPECT_TRUE(machine.NewGame());
  EXPECT_EQ(state.Credits, 1000.00);
  EXPECT_EQ(state.Borrowed, 1000.00);
  EXPECT_EQ(state.BonusPool, 200.00);
  EXPECT_EQ(state.Spins, 0);
  EXPECT_EQ(state.FreeSpinsPlayed, 0);
  EXPECT_EQ(state.PowerPts, 0);
  EXPECT_EQ(state.Wager, 0);
  EXPECT_EQ(state.FreeSpins, 4);  // free spins left stay in place
  EXPECT_EQ(state.CoinValue, 1.00);
}

TEST_F(MachineTest, BorrowAndPayBackKeepBothSidesExact) {
  for (int i = 0; i < 3; ++i) EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, 4000.00);
  EXPECT_EQ(state.Borrowed, 4000.00);

  state.Credits = 999.99;
  EXPECT_EQ(machine.PayBack(1000), MoneyMove::NotEnoughCredits);
  state.Credits = 50;
  state.Borrowed = 5;
  EXPECT_EQ(machine.PayBack(10), MoneyMove::MoreThanBorrowed);
  state.Credits = 0.50;
  state.Borrowed = 0.50;
  EXPECT_EQ(machine.PayBack(1), MoneyMove::NotEnoughCredits);  // the credit check comes first
  EXPECT_EQ(state.Credits, 0.50);

  state.Credits = 0;
  state.Borrowed = 0;
  for (int i = 0; i < 30; ++i) machine.Borrow(0.01);
  for (int i = 0; i < 30; ++i) ASSERT_EQ(machine.PayBack(0.01), MoneyMove::Done) << i;
  EXPECT_EQ(state.Credits, 0);
  EXPECT_EQ(state.Borrowed, 0);
}

TEST_F(MachineTest, OpeningAGameKeepsTheBetAndCoinValue) {
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
  EXPECT_EQ(state.Wager, 1.25);
  EXPECT_EQ(state.CoinValue, 0.25);
}

TEST_F(MachineTest, AutoSpinRepeatsTheBetUntilCreditsRunOut) {
  PlaceCoins(4);
  SpinAt(QuietStops);
  machine.ToggleAutoSpin();
  EXPECT_TRUE(view.autoSpinChecked);
  EXPECT_TRUE(view.autoSpinTimer);

  state.Credits = 2.00;  // two more spins of 1.00
  for (int tick = 0; tick < 2; ++tick) {
    NextStops(QuietStops);
    machine.AutoSpinTick();
    EXPECT_TRUE(view.autoSpinTimer) << "re-armed after spin " << tick;
  }
  EXPECT_EQ(state.Spins, 3);
  EXPECT_EQ(state.Credits, 0);
  machine.AutoSpinTick();  // nothing left to bet: the mark clears itself
  EXPECT_FALSE(view.autoSpinChecked);
  EXPECT_FALSE(view.autoSpinTimer);
  EXPECT_EQ(state.Spins, 3);
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(MachineTest, AutoSpinWithoutAPreviousBetClearsItself) {
  machine.ToggleAutoSpin();
  machine.AutoSpinTick();
  EXPECT_FALSE(view.autoSpinChecked);
  EXPECT_FALSE(view.autoSpinTimer);
  EXPECT_EQ(state.Spins, 0);
}

TEST_F(MachineTest, AutoSpinToggledWhileFreeSpinsWaitStopsTheirTimer) {
  // A free spin ends with the timer armed for the next one.
  state.FreeSpins = 4;
  state.LastBet = 0.25;
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

// Handlers that the window runs while a spin waits in its event loop.
struct Intruder {
  Machine* machine;
  GameState* state;
  std::vector<std::string> outcomes;
  bool done = false;
};

TEST_F(MachineTest, NothingThatMovesMoneyInterleavesWithASpin) {
  Intruder intruder{&machine, &state, {}};
  view.duringWaitContext = &intruder;
  view.duringWait.push_back([](void* context) {
    auto& in = *static_cast<Intruder*>(context);
    if (in.done) return;
    in.done = true;
    in.machine->AutoSpinTick();
    in.machine->Spin();
    in.machine->Bet1();
    in.machine->BetMax();
    in.outcomes.push_back(in.machine->ChooseCoinValue(0) ? "coin value" : "-");
    in.outcomes.push_back(in.machine->NewGame() ? "new game" : "-");
    in.outcomes.push_back(in.machine->Borrow(100) == MoneyMove::Busy ? "-" : "borrow");
    in.outcomes.push_back(in.machine->PayBack(1) == MoneyMove::Busy ? "-" : "pay back");
    in.outcomes.push_back(in.machine->OpenGame(GameSnapshot{}) ? "open" : "-");
  });
  state.Spins = 1;
  PlaceCoins(2);
  machine.ToggleAutoSpin();
  ASSERT_TRUE(view.autoSpinTimer && view.autoSpinChecked);
  SpinAt(QuietStops);
  EXPECT_EQ(intruder.outcomes, std::vector<std::string>(5, "-"));
  EXPECT_EQ(state.Spins, 2);
  EXPECT_EQ(view.frames.size(), 101u);
  EXPECT_EQ(state.Credits, 999.50);
  EXPECT_FALSE(machine.IsBusy());
  EXPECT_TRUE(machine.NewGame());
}

TEST_F(MachineTest, BetMaxPausesAreBusyToo) {
  bool refused = false;
  view.duringWaitContext = &refused;
  static Machine* target = nullptr;
  target = &machine;
  view.duringWait.push_back(
      [](void* context) { *static_cast<bool*>(context) = target->Borrow(5) == MoneyMove::Busy; });
  BetMaxAt(QuietStops);
  EXPECT_TRUE(refused);
  EXPECT_EQ(state.Credits, 993.75);
}

TEST_F(MachineTest, SettleNowFinishesTheSpinAtOnceWithNothingLost) {
  static Machine* target = nullptr;
  target = &machine;
  view.duringWait.push_back([](void*) { target->SettleNow(); });
  view.waits.clear();
  state.PowerPts = 90;
  BetMaxAt(JackpotStops);            // a long count-up and a bonus count
  EXPECT_EQ(view.waits.size(), 1u);  // the first coin's pause only
  EXPECT_EQ(state.Credits, money::Add(money::Add(993.75, 1252.50), 50.25));
  EXPECT_EQ(state.WinAmount, 0);
  EXPECT_EQ(state.BonusPool, 0);
  EXPECT_EQ(state.FreeSpins, 7);
  EXPECT_EQ(state.Spins, 1);
  EXPECT_FALSE(machine.IsBusy());
}

// The game commands are held off for the whole of every busy stretch (bets,
// Bet Max counting, the spin, the count-ups) and come back once it is over.
TEST_F(MachineTest, GameCommandsAreHeldOffExactlyWhileBusy) {
  struct Watch {
    Machine* machine;
    FakeView* view;
    int waitsSeen = 0;
    int waitsWhileEnabled = 0;
  } watch{&machine, &view};
  view.duringWaitContext = &watch;
  view.duringWait.push_back([](void* context) {
    auto& w = *static_cast<Watch*>(context);
    ++w.waitsSeen;
    if (w.view->gameCommandsEnabled || !w.machine->IsBusy()) ++w.waitsWhileEnabled;
  });
  state.PowerPts = 90;
  view.log.clear();
  PlaceCoins(3);
  BetMaxAt(JackpotStops);  // Bet Max pauses, wheels, win count, bonus count
  EXPECT_GT(watch.waitsSeen, 5000);
  EXPECT_EQ(watch.waitsWhileEnabled, 0);
  EXPECT_TRUE(view.gameCommandsEnabled);
  // Held off once per command, not once per coin: four bets, four pairs.
  EXPECT_EQ(view.Count("commands off"), 4);
  EXPECT_EQ(view.Count("commands on"), 4);
  EXPECT_EQ(view.log.back(), "commands on");
  // A bet refused for want of credits leaves them enabled as well.
  state.Credits = 0;
  machine.Bet1();
  machine.BetMax();
  EXPECT_TRUE(view.gameCommandsEnabled);
}

TEST_F(MachineTest, UnspunCoinsGoBackToTheCredits) {
  PlaceCoins(3);
  EXPECT_EQ(state.Credits, 999.25);
  EXPECT_TRUE(machine.ReturnWager());
  EXPECT_EQ(state.Credits, 1000.00);
  EXPECT_EQ(state.Wager, 0);
  // Nothing on the table: nothing moves.
  EXPECT_TRUE(machine.ReturnWager());
  EXPECT_EQ(state.Credits, 1000.00);

  // During a spin the wager is being played and stays where it is.
  static Machine* target = nullptr;
  static bool returned = true;
  target = &machine;
  view.duringWait.push_back([](void*) { returned = target->ReturnWager(); });
  PlaceCoins(2);
  SpinAt(QuietStops);
  EXPECT_FALSE(returned);
  EXPECT_EQ(state.Credits, 999.50);
  EXPECT_EQ(state.LastBet, 0.50);
}

// Credits loaded at the money limit stay there: a borrow, a win or a bet
// never wraps them round, and the debt grows only by what was lent.
TEST_F(MachineTest, MoneyAtTheLimitStaysThere) {
  state.Credits = money::LargestAmount;
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_EQ(state.Borrowed, 1000.00);

  state.Credits = money::Sub(money::LargestAmount, 400);
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_EQ(state.Borrowed, 1400.00);

  PlaceCoins(4);  // line 1 carries one coin: 5 5 3 pays 2 coins
  SpinAt(TwoFivesStops);
  EXPECT_EQ(state.Credits, money::Sub(money::LargestAmount, 0.50));
  BetMaxAt(JackpotStops);  // 1252.50 won on 6.25 bet: past the limit
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_GT(state.Credits, 0);

  // The debt has its limit too: a loan gives what fits on both sides, and
  // the totals count what was lent.
  const double lentBefore = state.Statistics.borrowed;
  state.Credits = 100.00;
  state.Borrowed = money::LargestAmount;
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, 100.00);
  EXPECT_EQ(state.Borrowed, money::LargestAmount);
  state.Borrowed = money::Sub(money::LargestAmount, 5);
  EXPECT_EQ(machine.Borrow(1000), MoneyMove::Done);
  EXPECT_EQ(state.Credits, 105.00);
  EXPECT_EQ(state.Borrowed, money::LargestAmount);
  state.Credits = money::Sub(money::LargestAmount, 3);
  state.Borrowed = money::Sub(money::LargestAmount, 7);
  EXPECT_EQ(machine.Borrow(10), MoneyMove::Done);
  EXPECT_EQ(state.Credits, money::LargestAmount);
  EXPECT_EQ(state.Borrowed, money::Sub(money::LargestAmount, 4));
  EXPECT_EQ(state.Statistics.borrowed, money::Add(lentBefore, 8));
}
