// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameStatistics.h"

#include <algorithm>
#include <limits>

#include "Money.h"

namespace {

// Counts read from a hand-edited file may stand at their limit already.
void CountUp(std::int64_t& counter, std::int64_t by = 1) {
  counter = by > std::numeric_limits<std::int64_t>::max() - counter
                ? std::numeric_limits<std::int64_t>::max()
                : counter + by;
}

}  // namespace

void GameStatistics::AddPlay(const PlayRecord& play) {
  if (play.free) {
    CountUp(freeSpins);
  } else {
    CountUp(paidSpins);
    CountUp(coinsWagered, play.coins);
    moneyWagered = money::Add(moneyWagered, money::Times(play.coinValue, play.coins));
    if (play.coins >= 1 && play.coins < static_cast<int>(spinsByCoins.size()))
      CountUp(spinsByCoins[static_cast<std::size_t>(play.coins)]);
  }
  wonOnLines = money::Add(wonOnLines, play.win);
  wonFromPool = money::Add(wonFromPool, play.poolPaid);
  if (play.bonus) CountUp(bonuses);
  biggestWin = std::max(biggestWin, money::Add(play.win, play.poolPaid));
}

void GameStatistics::AddBorrowed(double amount) { borrowed = money::Add(borrowed, amount); }

void GameStatistics::AddPaidBack(double amount) { paidBack = money::Add(paidBack, amount); }

int GameStatistics::MostUsedCoins() const {
  int most = 0;
  for (int coins = 1; coins < static_cast<int>(spinsByCoins.size()); ++coins)
    if (spinsByCoins[static_cast<std::size_t>(coins)] >
        (most == 0 ? 0 : spinsByCoins[static_cast<std::size_t>(most)]))
      most = coins;
  return most;
}

double GameStatistics::ReturnPercent() const {
  if (moneyWagered <= 0) return 0;
  return 100.0 * money::Add(wonOnLines, wonFromPool) / moneyWagered;
}
