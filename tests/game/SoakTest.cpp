// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "GameState.h"
#include "Machine.h"
#include "Money.h"
#include "Paylines.h"
#include "Reels.h"
#include "Settings.h"
#include "SilentView.h"

namespace {

// The win of a window read along the five lines with the given money on each,
// worked out here without the game's own evaluation.
double IndependentWin(const std::array<std::int32_t, 9>& window,
                      const std::array<double, 5>& lineBets) {
  const int rows[5][3] = {{1, 1, 1}, {0, 0, 0}, {2, 2, 2}, {0, 1, 2}, {2, 1, 0}};
  const int pays[7] = {1000, 200, 50, 20, 10, 5, 2};
  std::int64_t cents = 0;
  for (int line = 0; line < 5; ++line) {
    const int a = window[rows[line][0]], b = window[3 + rows[line][1]],
              c = window[6 + rows[line][2]];
    int pay = 0;
    if (a == b && b == c && a != 6)
      pay = pays[a];
    else if (a == 5 && b == 5)
      pay = pays[6];
    cents += pay * money::ToCents(lineBets[line]);
  }
  return money::FromCents(cents);
}

bool WholeCents(double amount) { return amount == money::Round(amount); }

class Soak : public ::testing::Test {
 protected:
  Soak() : settings(DefaultSettings("/opt/voltaro/")), random(20261207) {
    GameState game;
    InstallStrips(game);
    machine.RestoreGame(game);
    machine.SetWatched(false);
  }

  // Nobody watches: each command's plan is taken as played at once.
  void Play(const Plan&) { machine.PlanEnded(); }

  void CheckAmounts(const char* after) {
    for (double amount : {state.Credits, state.Borrowed, state.BonusPool, state.Wager,
                          state.LastBet, state.WinAmount}) {
      ASSERT_TRUE(WholeCents(amount)) << after << ": " << amount;
      ASSERT_GE(amount, 0) << after;
    }
    ASSERT_GE(state.PowerPts, 0);
    ASSERT_LE(state.PowerPts, 100);
    ASSERT_GE(state.FreeSpins, 0);
    ASSERT_LE(state.FreeSpins, 7);
    ASSERT_EQ(state.WinAmount, 0) << after;
  }

  Settings settings;
  SilentView view;
  RandomSource random;
  Machine machine{settings, view, view, random};
  const GameState& state = machine.State();
};

}  // namespace

// Long play with every command that moves money, checking after each step
// that nothing goes negative, everything stays in whole cents, and every
// spin pays exactly what its window and bet are worth.
TEST_F(Soak, HundredThousandSpinsBalanceToTheCent) {
  RandomSource choices(5);
  int spins = 0;
  int bonuses = 0;
  while (spins < 100000) {
    const double creditsBefore = state.Credits;
    const double borrowedBefore = state.Borrowed;
    const double poolBefore = state.BonusPool;
    const double wagerBefore = state.Wager;
    const int freeSpinsBefore = state.FreeSpins;
    const int playedBefore = state.Spins + state.FreeSpinsPlayed;

    const int action = choices.Below(100);
    double borrowedMove = 0;
    if (action < 40) {
      Play(machine.Spin());
    } else if (action < 55) {
      const int coins = 1 + choices.Below(24);
      for (int i = 0; i < coins && state.FreeSpins == 0; ++i) Play(machine.Bet1());
    } else if (action < 65) {
      Play(machine.BetMax());
    } else if (action < 80) {
      Play(machine.AutoSpinTick());
    } else if (action < 84) {
      machine.ToggleAutoSpin();
    } else if (action < 90) {
      const double amount = money::FromCents(1 + choices.Below(20000));
      if (machine.Borrow(amount) == MoneyMove::Done) borrowedMove = amount;
    } else if (action < 96) {
      const double amount = money::FromCents(1 + choices.Below(20000));
      if (machine.PayBack(amount) == MoneyMove::Done) borrowedMove = -amount;
    } else if (action < 99) {
      machine.ChooseCoinValue(choices.Below(6));
    } else {
      machine.NewGame();
      continue;  // a new game replaces the balance outright
    }
    CheckAmounts("an action");
    ASSERT_EQ(money::Sub(state.Borrowed, borrowedBefore), borrowedMove);

    const int played = state.Spins + state.FreeSpinsPlayed - playedBefore;
    if (played == 0) {
      // Only coins placed, given back, borrowed or paid back moved.
      ASSERT_EQ(money::Add(state.Credits, state.Wager),
                money::Add(money::Add(creditsBefore, wagerBefore), borrowedMove));
      continue;
    }
    ASSERT_EQ(played, 1) << "one action, one spin";
    ++spins;
    const bool freeSpin = freeSpinsBefore > 0;
    const double bet = state.LastBet;
    GameState dealt = state;
    DealLineBets(dealt, bet);
    const double win = IndependentWin(state.Window, dealt.LineBet);
    double poolPaid = 0;
    if (!freeSpin && state.FreeSpins == 7) {
      ++bonuses;
      const bool fed = !money::Less(bet, money::Times(state.CoinValue, 25));
      poolPaid = fed ? money::Add(poolBefore, state.CoinValue) : poolBefore;
    }
    const double staked = freeSpin ? 0 : money::Sub(bet, wagerBefore);
    const double expected =
        money::Add(money::Sub(creditsBefore, staked), money::Add(win, poolPaid));
    // Coins placed after a spin that "Bet 1" started sit in the wager.
    ASSERT_EQ(money::Add(state.Credits, state.Wager), expected) << "spin " << spins;
  }
  EXPECT_GT(bonuses, 10);
}
