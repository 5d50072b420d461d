// SPDX-License-Identifier: GPL-3.0-or-later
#include "Slots.h"

#include <gtest/gtest.h>

#include "Machine.h"
#include "Money.h"
#include "SilentView.h"
#include "TempFolder.h"

namespace {

const std::string Today = "01/12/98";

GameState Evening() {
  GameState game;
  game.Credits = 1234.56;
  game.Borrowed = 1000.00;
  game.Spins = 25;
  game.BonusPool = 61.25;
  game.PowerPts = 40;
  game.FreeSpinsPlayed = 3;
  return game;
}

TEST(SlotDate, MonthDayTwoDigitYearWithTheSeparator) {
  EXPECT_EQ(SlotDate(1998, 1, 12, "/"), "01/12/98");
  EXPECT_EQ(SlotDate(2026, 12, 7, "."), "12.07.26");
  EXPECT_EQ(SlotDate(2000, 3, 4, "-"), "03-04-00");
}

TEST(Slots, SaveWritesTheSectionAndReadsBack) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  WriteBytes(path, "[Settings]\r\nCredits=5.00\r\n");
  ASSERT_EQ(WriteSlot(path, 3, "Evening", Evening(), Today), std::nullopt);
  EXPECT_EQ(ReadBytes(path),
            "[Settings]\r\nCredits=5.00\r\n[Saved Game 3]\r\nName=Evening\r\nSpins=25\r\n"
            "Date=01/12/98\r\nCredits=1234.56\r\nBorrowed=1000.00\r\nBonusPool=61.25\r\n"
            "PowerPts=40\r\n");

  Slots slots;
  slots[3].FreeSpinsPlayed = 3;  // memory-only, survives a read
  ReadSlots(path, slots, "12/07/26");
  EXPECT_EQ(slots[3].Name, "Evening");
  EXPECT_EQ(slots[3].Credits, 1234.56);
  EXPECT_EQ(slots[3].Borrowed, 1000.00);
  EXPECT_EQ(slots[3].BonusPool, 61.25);
  EXPECT_EQ(slots[3].Spins, 25);
  EXPECT_EQ(slots[3].PowerPts, 40);
  EXPECT_EQ(slots[3].Date, "01/12/98");
  EXPECT_EQ(slots[3].FreeSpinsPlayed, 3);

  // A second save into the same slot replaces it in place.
  GameState later = Evening();
  later.Credits = 7.5;
  ASSERT_EQ(WriteSlot(path, 3, " Late ", later, Today), std::nullopt);
  ReadSlots(path, slots, Today);
  EXPECT_EQ(slots[3].Name, " Late ");
  EXPECT_EQ(slots[3].Credits, 7.50);
  EXPECT_EQ(ReadBytes(path).find("Name=Evening"), std::string::npos);

  // Amounts at the negative limit read back whole, with or without a point;
  // credits and a debt below nothing, which no save holds, read as 0.
  later.Credits = -money::LargestAmount;
  later.BonusPool = -1234567890.50;
  ASSERT_EQ(WriteSlot(path, 3, "Deep", later, Today), std::nullopt);
  WriteBytes(path, ReadBytes(path) + "[Saved Game 5]\r\nBorrowed=-9999999999\r\nCredits=-0.01\r\n");
  ReadSlots(path, slots, Today);
  EXPECT_EQ(slots[3].Credits, 0.0);
  EXPECT_EQ(slots[3].BonusPool, -1234567890.50);
  EXPECT_EQ(slots[5].Borrowed, 0.0);
  EXPECT_EQ(slots[5].Credits, 0.0);
}

TEST(Slots, NeverSavedSlotsHaveTheirDefaults) {
  TempFolder folder;
  Slots slots;
  ReadSlots(folder.File("missing.ini"), slots, Today);
  for (int n = 1; n <= SlotCount; ++n) {
    EXPECT_EQ(slots[n].Name, "Game #" + std::to_string(n));
    EXPECT_EQ(slots[n].Credits, 1000.00);
    EXPECT_EQ(slots[n].Borrowed, 1000.00);
    EXPECT_EQ(slots[n].BonusPool, 10000.00);
    EXPECT_EQ(slots[n].Spins, 0);
    EXPECT_EQ(slots[n].PowerPts, 0);
    EXPECT_EQ(slots[n].Date, Today);
  }
}

TEST(Slots, OverlongNamesAndDatesAreCut) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  const std::string name150(150, 'n');
  ASSERT_EQ(WriteSlot(path, 1, name150, Evening(), Today), std::nullopt);
  WriteBytes(path, ReadBytes(path) + "[Saved Game 2]\r\nDate=2026-12-07 evening\r\n");
  Slots slots;
  ReadSlots(path, slots, Today);
  EXPECT_EQ(slots[1].Name, std::string(100, 'n'));
  EXPECT_EQ(slots[2].Date, "2026-12-0");
  EXPECT_EQ(SlotFromGame(name150, Evening(), Today).Name.size(), 100u);
}

TEST(Slots, OpeningReplacesOnlyTheStoredFields) {
  GameState game;
  game.Wager = 1.25;
  game.CoinValue = 0.05;
  game.FreeSpins = 4;
  Settings settings;
  SilentView view;
  RandomSource random(1);
  Machine machine(settings, view, random);
  machine.RestoreGame(game);
  const GameSnapshot evening = SnapshotOf(SlotFromGame("Evening", Evening(), Today));
  // A free-spin round is played out in the game it was won in.
  EXPECT_FALSE(machine.OpenGame(evening).done);
  game.FreeSpins = 0;
  machine.RestoreGame(game);
  ASSERT_TRUE(machine.OpenGame(evening).done);
  const GameState& opened = machine.State();
  EXPECT_EQ(opened.Credits, 1234.56);
  EXPECT_EQ(opened.BonusPool, 61.25);
  EXPECT_EQ(opened.Spins, 25);
  EXPECT_EQ(opened.PowerPts, 40);
  EXPECT_EQ(opened.FreeSpinsPlayed, 3);
  // The coins on the table stayed with the game that was left.
  EXPECT_EQ(opened.Wager, 0);
  EXPECT_EQ(opened.CoinValue, 0.05);
  EXPECT_EQ(opened.FreeSpins, 0);
  // Saving the opened game gives the slot back; amounts open to the cent.
  EXPECT_EQ(SnapshotOfGame(opened), evening);
  GameSnapshot uneven = evening;
  uneven.Credits = 10.004999;
  uneven.BonusPool = 2.995001;
  PutSnapshotInGame(uneven, game);
  EXPECT_EQ(game.Credits, 10.00);
  EXPECT_EQ(game.BonusPool, 3.00);
  EXPECT_EQ(game.Borrowed, 1000.00);
  EXPECT_EQ(game.Spins, 25);
}

}  // namespace
