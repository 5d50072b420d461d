// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "GameState.h"
#include "GameStatistics.h"
#include "Money.h"
#include "PlayRecord.h"

namespace {

PlayRecord Play(int coins, int coinCents, bool free, int winCents, int poolCents = 0) {
  PlayRecord play;
  play.coins = coins;
  play.coinValue = coinCents / 100.0;
  play.free = free;
  play.win = winCents / 100.0;
  play.poolPaid = poolCents / 100.0;
  return play;
}

}  // namespace

// The totals equal a plain sum in whole cents over the same plays, however
// odd the amounts, and free spins wager nothing.
TEST(GameStatistics, TotalsMatchASumOverThePlays) {
  const std::vector<PlayRecord> plays{
      Play(25, 25, false, 0),      Play(25, 25, true, 1250),     Play(3, 10, false, 60),
      Play(25, 5, false, 5, 1017), Play(1, 500, false, 1000000), Play(7, 1, false, 3),
      Play(3, 10, false, 0),       Play(25, 25, true, 0, 3),
  };
  GameStatistics statistics;
  std::int64_t paid = 0, free = 0, coins = 0, wagered = 0, lines = 0, pool = 0, bonuses = 0,
               biggest = 0;
  for (const PlayRecord& play : plays) {
    statistics.AddPlay(play);
    const std::int64_t coin = money::ToCents(play.coinValue);
    if (play.free) {
      ++free;
    } else {
      ++paid;
      coins += play.coins;
      wagered += coin * play.coins;
    }
    lines += money::ToCents(play.win);
    pool += money::ToCents(play.poolPaid);
    if (play.poolPaid > 0) ++bonuses;
    biggest = std::max(biggest, money::ToCents(play.win) + money::ToCents(play.poolPaid));
  }
  EXPECT_EQ(statistics.paidSpins, paid);
  EXPECT_EQ(statistics.freeSpins, free);
  EXPECT_EQ(statistics.coinsWagered, coins);
  EXPECT_EQ(money::ToCents(statistics.moneyWagered), wagered);
  EXPECT_EQ(money::ToCents(statistics.wonOnLines), lines);
  EXPECT_EQ(money::ToCents(statistics.wonFromPool), pool);
  EXPECT_EQ(statistics.bonuses, bonuses);
  EXPECT_EQ(money::ToCents(statistics.biggestWin), biggest);
  EXPECT_DOUBLE_EQ(statistics.ReturnPercent(),
                   100.0 * static_cast<double>(lines + pool) / static_cast<double>(wagered));
  // 25 coins twice (paid), 3 coins twice: the tie goes to the fewer coins.
  EXPECT_EQ(statistics.spinsByCoins[25], 2);
  EXPECT_EQ(statistics.spinsByCoins[3], 2);
  EXPECT_EQ(statistics.MostUsedCoins(), 3);
}

TEST(GameStatistics, NothingWageredHasNoReturnAndNoBet) {
  GameStatistics statistics;
  EXPECT_EQ(statistics.MostUsedCoins(), 0);
  EXPECT_EQ(statistics.ReturnPercent(), 0);
  statistics.AddPlay(Play(25, 25, true, 500));  // a free spin alone
  EXPECT_EQ(statistics.MostUsedCoins(), 0);
  EXPECT_EQ(statistics.ReturnPercent(), 0);
}
