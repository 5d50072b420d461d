// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that carry a free-spin round and an unspun wager across a close
// (their order and round trip are in SettingsFileTest).
#include <gtest/gtest.h>

#include "LoadedSettings.h"
#include "Money.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "TempFolder.h"

// Outside a free-spin round the last bet is not the file's: it is written
// as 0, and a game starts without one, as it always has.
TEST(GameKeys, TheLastBetIsStoredOnlyWhileFreeSpinsRemain) {
  GameState game;
  game.LastBet = 6.25;
  EXPECT_EQ(GameToStore(game).LastBet, 0.0);
  game.FreeSpins = 1;
  EXPECT_EQ(GameToStore(game).LastBet, 6.25);
  game.FreeSpins = -2;
  EXPECT_EQ(GameToStore(game).LastBet, 0.0);
}

TEST(GameKeys, AnOlderFileReadsAsNoRoundAndNoWager) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  WriteBytes(path, "[Settings]\r\nCredits=12.00\r\nSpins=3\r\n");
  // Counts from before the read do not leak into a file that lacks them.
  GameState before;
  before.FreeSpins = 5;
  before.FreeSpinsPlayed = 9;
  const Loaded read = LoadFrom(path, before);
  EXPECT_EQ(read.state.Credits, 12.00);
  EXPECT_EQ(read.state.FreeSpins, 0);
  EXPECT_EQ(read.state.FreeSpinsPlayed, 0);
  EXPECT_EQ(read.state.LastBet, 0.0);
  EXPECT_EQ(read.state.Wager, 0.0);
}

// Damaged values read as numbers within the money limit, and values only the
// game writes as the nearest it writes: no money below nothing, 0 to 7 free
// spins. The bets' upper bounds follow the coin value, which the rules apply.
TEST(GameKeys, DamagedValuesReadAsTheNearestTheGameWrites) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  struct Case {
    const char* keys;
    GameState read;
  };
  const auto game = [](double credits, double borrowed, std::int32_t freeSpins, double bet,
                       double wager) {
    GameState g;
    g.Credits = credits;
    g.Borrowed = borrowed;
    g.FreeSpins = freeSpins;
    g.LastBet = bet;
    g.Wager = wager;
    return g;
  };
  const Case cases[] = {
      {"FreeSpins=lots\r\nFreeSpinBet=99999999999999999\r\nWager=-99999999999999999\r\n",
       game(1000, 1000, 0, money::LargestAmount, 0)},
      {"Credits=-50.00\r\nBorrowed=-20.5\r\nFreeSpins=8\r\nFreeSpinBet=-1.25\r\nWager=1e15\r\n",
       game(0, 0, 7, 0, 1.00)},
      {"Credits=-0.01\r\nFreeSpins=-3\r\nFreeSpinBet=1.25\r\nWager=0.75\r\n",
       game(0, 1000, 0, 1.25, 0.75)},
      {"Credits=9999999999.99\r\nBorrowed=0\r\nFreeSpins=7\r\nFreeSpinBet=6.25\r\nWager=6.25\r\n",
       game(money::LargestAmount, 0, 7, 6.25, 6.25)},
  };
  for (const Case& c : cases) {
    WriteBytes(path, std::string("[Settings]\r\nFreeSpinsPlayed=-4\r\n") + c.keys);
    GameState before;
    before.Credits = before.Borrowed = 1000;
    const Loaded read = LoadFrom(path, before);
    SCOPED_TRACE(c.keys);
    EXPECT_EQ(read.state.Credits, c.read.Credits);
    EXPECT_EQ(read.state.Borrowed, c.read.Borrowed);
    EXPECT_EQ(read.state.FreeSpins, c.read.FreeSpins);
    EXPECT_EQ(read.state.LastBet, c.read.LastBet);
    EXPECT_EQ(read.state.Wager, c.read.Wager);
    EXPECT_EQ(read.state.FreeSpinsPlayed, -4);  // the rules drop a negative count at start-up
  }
}
