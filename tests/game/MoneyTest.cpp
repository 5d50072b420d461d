// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Money.h"

TEST(Money, ThousandsOfCoinStepsLeaveExactCents) {
  double credits = 1000.00;
  for (int i = 0; i < 100000; ++i) credits = money::Sub(credits, 0.05);
  EXPECT_EQ(credits, -4000.00);
  for (int i = 0; i < 100000; ++i) credits = money::Add(credits, 0.10);
  EXPECT_EQ(credits, 6000.00);
  // The naive sum drifts; the comparison that refuses a bet must not.
  double naive = 0;
  for (int i = 0; i < 10; ++i) naive += 0.10;
  EXPECT_NE(naive, 1.00);
  EXPECT_FALSE(money::Less(money::Round(naive), 1.00));
}

TEST(Money, CoinsInRoundsToTheNearestCoin) {
  EXPECT_EQ(money::CoinsIn(1.25, 0.25), 5);
  EXPECT_EQ(money::CoinsIn(0.7000000001, 0.10), 7);
  EXPECT_EQ(money::CoinsIn(0.6999999, 0.10), 7);
  EXPECT_EQ(money::CoinsIn(0, 5.00), 0);
  EXPECT_EQ(money::CoinsIn(125.00, 5.00), 25);
}

TEST(Money, PoolShareOfAMaximumBetIsOneCoin) {
  for (double coin : {5.00, 1.00, 0.50, 0.25, 0.10, 0.05})
    EXPECT_EQ(money::Times(money::Times(coin, 25), 0.04), coin);
}

// Amounts at and past the limit stop there, whichever way they get there;
// nothing wraps round to a negative amount.
TEST(Money, EverySumProductAndConversionStopsAtTheLimit) {
  const double top = money::LargestAmount;
  EXPECT_EQ(money::FromCents(money::LargestCents), top);
  EXPECT_EQ(money::ToCents(top), money::LargestCents);
  EXPECT_EQ(money::Add(top, 0.01), top);
  EXPECT_EQ(money::Add(top, 1000), top);
  EXPECT_EQ(money::Add(top, top), top);
  EXPECT_EQ(money::Sub(top, 0.01), 9'999'999'999.98);
  EXPECT_EQ(money::Sub(-top, top), -top);
  EXPECT_EQ(money::Sub(0, 1e300), -top);
  EXPECT_EQ(money::Times(top, 25), top);
  EXPECT_EQ(money::Times(-top, 25), -top);
  for (double huge : {1e13, 1e18, 1e20, 9.3e16, 1e300, HUGE_VAL}) {
    EXPECT_EQ(money::Round(huge), top) << huge;
    EXPECT_EQ(money::Round(-huge), -top) << huge;
    EXPECT_EQ(money::ToCents(huge), money::LargestCents) << huge;
    EXPECT_EQ(money::Add(huge, 1000), top) << huge;
    EXPECT_FALSE(money::Less(huge, 5.00)) << huge;
  }
  EXPECT_EQ(money::ToCents(std::nan("")), 0);
  // Every cent just below the limit stays exact.
  for (std::int64_t cents = money::LargestCents - 2000; cents <= money::LargestCents; ++cents)
    ASSERT_EQ(money::ToCents(money::FromCents(cents)), cents);
  // Coins in the largest amount do not wrap either.
  EXPECT_EQ(money::CoinsIn(top, 0.05), std::numeric_limits<int>::max());
}

// Six coins left is six, not 5.999..., at every coin value.
TEST(Money, CoinsLeftAreCountedInWholeCents) {
  for (double coin : {5.00, 1.00, 0.50, 0.25, 0.10, 0.05}) {
    for (int coins = 1; coins <= 600; ++coins)
      ASSERT_EQ(money::CoinsLeft(money::Times(coin, coins), coin), coins) << coin << " " << coins;
    EXPECT_EQ(money::CoinsLeft(0, coin), 0);
  }
  EXPECT_EQ(money::CoinsLeft(61.25, 5.00), 12.25);  // a part coin stays a fraction
  EXPECT_EQ(money::CoinsLeft(1.00, 0), 0);
}
