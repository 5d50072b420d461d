// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsFile.h"

#include <gtest/gtest.h>

#include "GameChartText.h"
#include "GameRecordsText.h"
#include "LoadedSettings.h"
#include "Money.h"
#include "Profile.h"
#include "SettingsKeys.h"
#include "Slots.h"
#include "TempFolder.h"
#include "TextEncoding.h"

namespace {

const std::string Dir = "/opt/voltaro/";

TEST(SettingsFile, FirstRunWritesEveryKeyInTableOrder) {
  TempFolder folder;
  const std::string path = folder.File("cfg/VOLTA.INI");
  Loaded l;
  l.maxed = true;
  l.state.Spins = 5;
  l.state.PowerPts = 9;
  // No file: fields keep their start-up values, except those with a fixed default.
  LoadSettingsFile(path, l.state, l.settings, l.maxed);  // a load never fails
  EXPECT_FALSE(l.maxed);
  EXPECT_EQ(l.state.Spins, 0);
  EXPECT_EQ(l.state.PowerPts, 0);
  EXPECT_EQ(l.settings.PlayList, (std::array<bool, 8>{}));
  EXPECT_EQ(l.settings.MIDIName[2], "VOLTA2.MID");
  ASSERT_EQ(SaveSettingsFile(path, l.state, l.settings, l.maxed), std::nullopt);

  std::string expected =
      "[Settings]\r\nCredits=1000.00\r\nBorrowed=1000.00\r\nBonusPool=50.00\r\nSpins=0\r\n"
      "Maxed=0\r\nSound=1\r\nMusicOn=0\r\nsndCoins=1\r\nsndCredits=1\r\nsndSpin=0\r\n"
      "sndStop=1\r\nsndWin=1\r\nsndBonus=1\r\nsndLose=0\r\nsndPowerDown=1\r\nsndPowerUp=1\r\n"
      "PowerPts=0\r\nSpeed=0\r\nBet=3\r\nBackColor=-2147483633\r\nBackMode=0\r\n"
      "BackBMP=/opt/voltaro/BKGRND1.BMP\r\nWinSound=/opt/voltaro/VOLTA5.WAV\r\n"
      "LoseSound=/opt/voltaro/VOLTA8.WAV\r\nBonusSound=/opt/voltaro/VOLTA4.WAV\r\n"
      "PowerDownSound=/opt/voltaro/VOLTA7.WAV\r\nPowerUpSound=/opt/voltaro/VOLTA6.WAV\r\n";
  for (int n = 0; n < 8; ++n) expected += "PlayList" + std::to_string(n) + "=0\r\n";
  for (int n = 0; n < 8; ++n) {
    expected += "MIDISong" + std::to_string(n) + "=" +
                (n < 3 ? Dir + "VOLTA" + std::to_string(n) + ".MID" : "") + "\r\n";
  }
  for (int n = 0; n < 8; ++n) {
    expected +=
        "MIDIName" + std::to_string(n) + "=" +
        (n < 3 ? "VOLTA" + std::to_string(n) + ".MID" : "MIDI Song #" + std::to_string(n + 1)) +
        "\r\n";
  }
  expected += "FreeSpins=0\r\nFreeSpinBet=0.00\r\nFreeSpinsPlayed=0\r\nWager=0.00\r\n";
  expected += "HistoryWidth=0\r\nHistoryHeight=0\r\n";
  // The game's records follow in sections of their own: no plays, no totals,
  // no chart.
  expected +=
      "[Game History]\r\n[Game Statistics]\r\nPaidSpins=0\r\nFreeSpins=0\r\nCoinsWagered=0\r\n"
      "MoneyWagered=0.00\r\nWonOnLines=0.00\r\nWonFromPool=0.00\r\nBonuses=0\r\nBorrowed=0.00\r\n"
      "PaidBack=0.00\r\nBiggestWin=0.00\r\nSpinsByCoins=\r\n[Game Chart]\r\n";
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(SettingsFile, EveryKeyRoundTrips) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  Loaded saved;
  saved.maxed = true;
  // The largest amount keeps every digit.
  saved.state.Credits = money::LargestAmount;
  saved.state.Borrowed = 3000.05;
  saved.state.BonusPool = 61.25;
  saved.state.Spins = 25;
  saved.state.PowerPts = 40;
  saved.state.FreeSpins = 3;
  saved.state.LastBet = 1.25;
  saved.state.FreeSpinsPlayed = 4;
  saved.state.Wager = 0.50;
  Settings& s = saved.settings;
  s.Sound = s.sndCoins = s.sndCredits = s.sndStop = s.sndWin = false;
  s.sndBonus = s.sndPowerUp = s.sndPowerDown = false;
  s.sndSpin = s.sndLose = s.MusicOn = true;
  s.Speed = 2;
  s.Bet = 0;
  s.BackMode = 1;
  s.BackColor = 0x00336699;
  s.BackBMP = "/pics/ my back.bmp ";
  s.WinSound = "/w/win.wav";
  s.LoseSound = "/w/lose.wav";
  s.BonusSound = "\"/w/bonus.wav\"";
  s.PowerDownSound = "/w/down.wav";
  s.PowerUpSound = "/w/up.wav";
  for (int n = 0; n < 8; ++n) {
    s.PlayList[n] = n >= 3;
    s.MIDISong[n] = "/songs/" + std::to_string(n * 7) + ".mid";
    s.MIDIName[n] = "Song " + std::to_string(n * 7);
  }
  s.HistoryWidth = 1234;
  s.HistoryHeight = 876;
  ASSERT_EQ(SaveSettingsFile(path, saved.state, s, saved.maxed), std::nullopt);

  Loaded read = LoadFrom(path);
  Loaded start;
  const auto savedKeys = SettingsKeys(saved.state, saved.settings, saved.maxed);
  const auto readKeys = SettingsKeys(read.state, read.settings, read.maxed);
  const auto startKeys = SettingsKeys(start.state, start.settings, start.maxed);
  ASSERT_EQ(savedKeys.size(), 57u);
  for (std::size_t i = 0; i < savedKeys.size(); ++i) {
    const auto equal = [&](const SettingsKey& a, const SettingsKey& b) {
      return std::visit([&](auto* x) { return *x == *std::get<decltype(x)>(b.field); }, a.field);
    };
    // Saved values differ from the start-up ones, so a key that is not read
    // back cannot pass by chance.
    EXPECT_FALSE(equal(savedKeys[i], startKeys[i])) << savedKeys[i].name << " is not exercised";
    EXPECT_TRUE(equal(savedKeys[i], readKeys[i])) << savedKeys[i].name;
  }
}

TEST(SettingsFile, OddValuesReadAsThePlayerWouldExpect) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  WriteBytes(path,
             "[Saved Game 1]\nName=Keep me\n[settings]\ncredits=1234\nBORROWED=abc\nBet=0x5\n"
             "Speed=7\nMaxed=2\nSound=\nsndLose=1\nMIDIName4=abcdefghijklmnopqrst\n"
             "BackColor=$FF\nBonusPool=-4.75\n");
  Loaded l = LoadFrom(path);
  EXPECT_EQ(l.state.Credits, 1234.00);
  EXPECT_EQ(l.state.Borrowed, 0.00);
  EXPECT_EQ(l.state.BonusPool, -4.75);
  EXPECT_EQ(l.settings.Bet, 5);
  EXPECT_EQ(l.settings.Speed, 7);
  EXPECT_TRUE(l.maxed);
  EXPECT_TRUE(l.settings.Sound);
  EXPECT_TRUE(l.settings.sndLose);
  EXPECT_EQ(l.settings.MIDIName[4], "abcdefghijkl");
  EXPECT_EQ(l.settings.BackColor, 255);
  EXPECT_EQ(l.settings.MIDIName[5], "MIDI Song #6");

  // Writing keeps the other section and the existing spelling of the keys.
  ASSERT_EQ(SaveSettingsFile(path, l.state, l.settings, l.maxed), std::nullopt);
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.rfind("[Saved Game 1]\nName=Keep me\n[settings]\ncredits=1234.00\r\n"
                        "BORROWED=0.00\r\nBet=5\r\nSpeed=7\r\nMaxed=1\r\n",
                        0),
            0u)
      << bytes;
}

TEST(SettingsFile, OneReplaceGivesTheBytesOfKeyAfterKeyWrites) {
  TempFolder folder;
  const std::string batch = folder.File("batch.ini");
  const std::string single = folder.File("single.ini");
  const std::string messy = "; comment\r\n[SETTINGS]\nSpeed=2\n\n[Other]\rX=1";
  WriteBytes(batch, messy);
  WriteBytes(single, messy);
  Loaded l;
  ASSERT_EQ(SaveSettingsFile(batch, l.state, l.settings, l.maxed), std::nullopt);
  ProfileEntries entries;
  for (const SettingsKey& key : SettingsKeys(l.state, l.settings, l.maxed)) {
    const std::string value = ReadProfileString(batch, SettingsSection, key.name, "");
    ASSERT_EQ(WriteProfileString(single, SettingsSection, key.name, value), std::nullopt);
  }
  ASSERT_EQ(WriteProfileSections(single, {{HistorySection, {}, true},
                                          {StatisticsSection, StatisticsEntries({}), true},
                                          {ChartSection, {}, true}}),
            std::nullopt);
  EXPECT_EQ(ReadBytes(batch), ReadBytes(single));
}

// Song and slot names are cut by characters, the same way when written and
// read, so they stay as they are over any number of closes and starts.
TEST(SettingsFile, NamesWithAccentsAreStableOverRestarts) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  Loaded l;
  l.settings.MIDIName[5] =
      "\xC3\xBC"
      "berlied1.mid";  // 13 characters, 14 bytes
  std::string accented;
  for (int i = 0; i < 110; ++i) accented += "\xC3\xA9";
  GameState game;
  for (int run = 0; run < 3; ++run) {
    ASSERT_EQ(SaveSettingsFile(path, l.state, l.settings, l.maxed), std::nullopt);
    l = LoadFrom(path);
    EXPECT_EQ(l.settings.MIDIName[5],
              "\xC3\xBC"
              "berlied1.mi")
        << "run " << run;

    ASSERT_EQ(WriteSlot(path, 2, accented, game, "01/02/26"), std::nullopt);
    Slots slots;
    ReadSlots(path, slots, "01/02/26");
    EXPECT_EQ(slots[2].Name, accented.substr(0, 200)) << "run " << run;
    accented = slots[2].Name;
  }
}

// A file from a system that wrote Windows-1252 reads as that system showed it.
TEST(SettingsFile, Windows1252NamesReadAsWritten) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  WriteBytes(path, "[Settings]\r\nMIDIName0=Caf\xE9 \x80\x99\r\nMIDIName1=Z\xFCrich-Walzer\r\n");
  const Loaded l = LoadFrom(path);
  EXPECT_EQ(l.settings.MIDIName[0], "Caf\xC3\xA9 \xE2\x82\xAC\xE2\x84\xA2");
  EXPECT_EQ(l.settings.MIDIName[1], "Z\xC3\xBCrich-Walze");
}

// A UTF-16 file is read, and the close writes it back in UTF-16 with only the
// changed values changed.
TEST(SettingsFile, Utf16FileStaysUtf16) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  const std::string text = "[Settings]\r\nCredits=321.50\r\nMIDIName0=\xC3\xA9t\xC3\xA9\r\n";
  WriteBytes(path, "\xFF\xFE" + Utf8ToUtf16(text, false));
  Loaded l = LoadFrom(path);
  EXPECT_EQ(l.state.Credits, 321.50);
  EXPECT_EQ(l.settings.MIDIName[0], "\xC3\xA9t\xC3\xA9");
  l.state.Credits = 400;
  ASSERT_EQ(SaveSettingsFile(path, l.state, l.settings, l.maxed), std::nullopt);
  const std::string bytes = ReadBytes(path);
  ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  const std::string written = Utf16ToUtf8(bytes.substr(2), false);
  EXPECT_EQ(written.rfind("[Settings]\r\nCredits=400.00\r\nMIDIName0=\xC3\xA9t\xC3\xA9\r\n", 0),
            0u);
  EXPECT_EQ(written.find("[Settings]", 1), std::string::npos);
  EXPECT_EQ(Utf8ToUtf16(written, false), bytes.substr(2));
  EXPECT_EQ(LoadFrom(path).state.Credits, 400.00);
}

}  // namespace
