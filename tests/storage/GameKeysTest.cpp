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

// Damaged values read as numbers within the money limit, values only the game
// writes as the nearest it writes; the rules bound the bets by the coin value.
TEST(GameKeys, DamagedValuesReadAsTheNearestTheGameWrites) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  WriteBytes(path,
             "[Settings]\r\nCredits=-0.01\r\nBorrowed=-20.5\r\nFreeSpins=8\r\n"
             "FreeSpinBet=99999999999999999\r\nFreeSpinsPlayed=-4\r\nWager=-99999999999999999\r\n");
  const Loaded read = LoadFrom(path);
  EXPECT_EQ(read.state.Credits, 0.0);
  EXPECT_EQ(read.state.Borrowed, 0.0);
  EXPECT_EQ(read.state.FreeSpins, 7);
  EXPECT_EQ(read.state.LastBet, money::LargestAmount);
  EXPECT_EQ(read.state.FreeSpinsPlayed, -4);  // the rules drop a negative count at start-up
  EXPECT_EQ(read.state.Wager, 0.0);
}
