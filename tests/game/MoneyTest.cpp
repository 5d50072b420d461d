#include <gtest/gtest.h>

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
