// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "GameState.h"
#include "Money.h"
#include "Paylines.h"
#include "Reels.h"
#include "SpinOutcome.h"

TEST(PayFor, CombinationsPayByTheFirstMatchingRow) {
  struct Case {
    int a, b, c, pays;
  };
  const Case cases[] = {
      {0, 0, 0, 1000}, {1, 1, 1, 200}, {2, 2, 2, 50}, {3, 3, 3, 20},
      {4, 4, 4, 10},   {5, 5, 5, 5},  // never the 2 of the two-fives row
      {5, 5, 3, 2},    {5, 5, 0, 2},   {5, 5, 6, 2},  {3, 5, 5, 0},
      {5, 3, 5, 0},    {6, 6, 6, 0},   {5, 0, 0, 0},  {0, 0, 1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(PayFor(c.a, c.b, c.c), c.pays) << c.a << c.b << c.c;
}

TEST(DealLineBets, CoinsGoToTheLinesInTurnAtEveryCoinValue) {
  for (double coin : CoinValues) {
    for (int coins = 0; coins <= MaxCoins; ++coins) {
      GameState state;
      state.CoinValue = coin;
      DealLineBets(state, money::Times(coin, coins));
      double total = 0;
      for (int k = 1; k <= 5; ++k) {
        const int expected = k <= coins ? (coins - k) / 5 + 1 : 0;
        EXPECT_EQ(money::ToCents(state.LineBet[k - 1]), money::ToCents(coin) * expected)
            << coins << " coins of " << coin << ", line " << k;
        total = money::Add(total, state.LineBet[k - 1]);
      }
      EXPECT_EQ(money::ToCents(total), money::ToCents(coin) * coins);
    }
  }
}

TEST(DealLineBets, SevenDimesPutTwentyCentsOnLinesOneAndTwo) {
  GameState state;
  state.CoinValue = 0.10;
  DealLineBets(state, 0.70);
  EXPECT_EQ(state.LineBet, (std::array<double, 5>{0.20, 0.20, 0.10, 0.10, 0.10}));
}

TEST(EvaluateLines, TwoPayingLinesAddUp) {
  GameState state;
  state.Stops = {0, 24, 4};  // top row 3 3 3, middle row 5 5 5
  InstallStrips(state);
  DealLineBets(state, 0.50);  // one coin on line 1, one on line 2
  EXPECT_DOUBLE_EQ(EvaluateLines(state), 6.25);
  EXPECT_EQ(state.LinePay[0], 5);
  EXPECT_EQ(state.LinePay[1], 20);
}

TEST(EvaluateLines, APayingLineWithoutCoinsIsMarkedButPaysNothing) {
  GameState state;
  state.Stops = {0, 24, 4};
  InstallStrips(state);
  DealLineBets(state, 0.25);  // line 1 only
  EXPECT_DOUBLE_EQ(EvaluateLines(state), 1.25);
  EXPECT_EQ(state.LinePay[1], 20);  // line 2 shows its combination all the same

  // The play's record names only the line that paid money.
  state.Wager = 0.25;
  std::array<int, 3> locks{};
  for (std::size_t wheel = 0; wheel < 3; ++wheel)
    locks[wheel] = (state.Stops[wheel] + Schedules[wheel].rollSteps) % WheelPositions;
  const SpinOutcome spin = DecideSpin(state, locks, 0);
  ASSERT_EQ(spin.settled.Stops, state.Stops);
  EXPECT_EQ(spin.settled.LinePay[1], 20);
  EXPECT_EQ(spin.play.winningLines, 0b00001);
  EXPECT_EQ(spin.play.win, 1.25);
}

// Every one of the 20 x 20 x 20 stop combinations, evaluated with a full bet,
// against a count of winning combinations made here from the strips alone.
TEST(EvaluateLines, AllStopCombinationsAgreeWithAnIndependentCount) {
  const std::string strips[3] = {Strip1Digits, Strip2NormalDigits, Strip3Digits};
  const int rowsOf[5][3] = {{1, 1, 1}, {0, 0, 0}, {2, 2, 2}, {0, 1, 2}, {2, 1, 0}};
  const int pays[7] = {1000, 200, 50, 20, 10, 5, 2};

  std::map<int, long> expectedHits;  // pay per coin -> line hits
  long expectedCoins = 0;
  GameState state;
  state.CoinValue = 1.00;
  std::map<int, long> hits;
  long coinsWon = 0;
  for (int a = 0; a < 20; ++a) {
    for (int b = 0; b < 20; ++b) {
      for (int c = 0; c < 20; ++c) {
        for (const auto& rows : rowsOf) {
          const char s1 = strips[0][(a + rows[0]) % 20];
          const char s2 = strips[1][(b + rows[1]) % 20];
          const char s3 = strips[2][(c + rows[2]) % 20];
          int pay = 0;
          if (s1 == s2 && s2 == s3 && s1 != '6')
            pay = pays[s1 - '0'];
          else if (s1 == '5' && s2 == '5')
            pay = pays[6];
          if (pay > 0) ++expectedHits[pay];
          expectedCoins += pay * 5;
        }
        state.Stops = {2 * a, 2 * b, 2 * c};
        InstallStrips(state);
        DealLineBets(state, 25.0);
        coinsWon += money::ToCents(EvaluateLines(state)) / 100;
        for (double pay : state.LinePay)
          if (pay > 0) ++hits[static_cast<int>(pay)];
      }
    }
  }
  EXPECT_EQ(hits, expectedHits);
  EXPECT_EQ(coinsWon, expectedCoins);
}
