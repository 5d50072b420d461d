// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRecordsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

#include "GameChartText.h"
#include "Money.h"
#include "RecordsText.h"
#include "SettingsFile.h"
#include "Slots.h"
#include "TempFolder.h"

namespace {

PlayRecord SamplePlay(int n) {
  PlayRecord play;
  play.playedAt = 1796740000 + 37 * n;
  play.coinValue = CoinValues[static_cast<std::size_t>(n % CoinValueCount)];
  play.coins = 1 + (n * 7) % MaxCoins;
  play.free = n % 3 == 0;
  for (std::size_t cell = 0; cell < play.window.size(); ++cell)
    play.window[cell] = static_cast<std::int32_t>((cell + static_cast<std::size_t>(n)) % 7);
  // Only lines that carry a coin can pay.
  play.winningLines =
      static_cast<std::uint8_t>((n * 11) % 32 & ((1 << std::min(play.coins, 5)) - 1));
  play.win = 12.5 * n;
  play.poolPaid = n == 4 ? 78.25 : 0;
  // Play 9 filled the meter with the credits at the money limit.
  play.bonus = n == 4 || n == 9;
  play.creditsBefore = 1000 - 3.75 * n;
  play.creditsAfter = play.creditsBefore + play.win + play.poolPaid - 0.05;
  play.meterBefore = (10 * n) % 100;
  play.meterAfter = (10 * n + 5) % 101;
  return play;
}

GameStatistics SampleStatistics() {
  GameStatistics s;
  s.paidSpins = 5'000'000'123;  // beyond 32 bits
  s.freeSpins = 70;
  s.coinsWagered = 1234567;
  s.moneyWagered = 98765.40;
  s.wonOnLines = 87654.35;
  s.wonFromPool = 4321.05;
  s.bonuses = 10;
  s.borrowed = 3000;
  s.paidBack = 2000.01;
  s.biggestWin = money::LargestAmount;
  s.spinsByCoins[1] = 12;
  s.spinsByCoins[25] = 5'000'000'000;
  s.spinsByCoins[13] = 111;
  return s;
}

// Records of every kind, a slot name with commas and letters past ASCII among
// them, and counts and amounts at their largest.
PlayerRecords SampleRecords() {
  PlayerRecords r;
  r.games = {12, 1796740000, {12, "Sunday, late, \u00e9t\u00e9"}};
  r.paidSpins = {5'000'000'123, 1796740100, {}};
  r.freeSpins = {70, 1796740200, {}};
  r.bonuses = {10, 1796740300, {}};
  r.biggestWin = {money::LargestAmount, 1796740400, {3, ""}};
  r.biggestBonus = {78.25, 1796740500, {4, "Cellar"}};
  r.mostCredits = {10250.05, 1796740600, {12, "Sunday, late, \u00e9t\u00e9"}};
  r.longestWinRun = {std::numeric_limits<std::int64_t>::max(), 1796740700, {2, ""}};
  r.timePlayed = {98765, 1796740800, {}};
  r.winRun = 3;
  return r;
}

struct Game {
  GameState state;
  Settings settings = DefaultSettings("/opt/voltaro/");
  bool maxed = false;
  PlayerRecords records;
};

void Save(const std::string& path, Game& game) {
  ASSERT_EQ(SaveSettingsFile(path, game.state, game.settings, game.maxed, &game.records),
            std::nullopt);
}

Game Load(const std::string& path, const GameState& before = {}) {
  Game game;
  game.state = before;
  game.records = SampleRecords();
  LoadSettingsFile(path, game.state, game.settings, game.maxed, &game.records);
  return game;
}

ProfileText WithHistory(const std::string& lines) {
  return ProfileText::Parse("[Game History]\r\n" + lines);
}

}  // namespace

TEST(GameRecordsFile, FullAndEmptyRecordsSurviveASaveAndALoad) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  Game game;
  for (int n = 1; n <= 12; ++n) game.state.History.Add(SamplePlay(n));
  game.state.Statistics = SampleStatistics();
  game.records = SampleRecords();
  Save(path, game);
  Game loaded = Load(path);
  EXPECT_EQ(loaded.records, game.records);
  EXPECT_EQ(loaded.state.History, game.state.History);
  EXPECT_EQ(loaded.state.History.Plays().front(), SamplePlay(12));
  EXPECT_EQ(loaded.state.Statistics, game.state.Statistics);

  // New Game: a saved empty history leaves none of the ten behind.
  game.state.History.Clear();
  game.state.History.Add(SamplePlay(30));
  game.state.Statistics = {};
  Save(path, game);
  loaded = Load(path);
  ASSERT_EQ(loaded.state.History.Plays().size(), 1u);
  EXPECT_EQ(loaded.state.History.Plays().front(), SamplePlay(30));
  EXPECT_EQ(loaded.state.Statistics, GameStatistics{});
  EXPECT_EQ(ReadBytes(path).find("Play2="), std::string::npos);
  game.state.History.Clear();
  game.records = {};
  Save(path, game);
  EXPECT_TRUE(Load(path).state.History.Plays().empty());
  EXPECT_EQ(Load(path).records, PlayerRecords{}) << "cleared records stay cleared";
}

TEST(GameRecordsFile, OlderFileReadsAsNoHistoryAndNoTotals) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  WriteBytes(path, "[Settings]\r\nCredits=250.00\r\nSpins=40\r\n");
  GameState before;
  before.History.Add(SamplePlay(1));
  before.Statistics = SampleStatistics();
  const Game loaded = Load(path, before);
  EXPECT_EQ(loaded.state.Credits, 250.00);
  EXPECT_TRUE(loaded.state.History.Plays().empty());
  EXPECT_EQ(loaded.state.Statistics, GameStatistics{});
  EXPECT_TRUE(loaded.records.Empty());
  EXPECT_EQ(loaded.records, PlayerRecords{});
}

// The saved games and anything else in the file keep their bytes, line ends
// and order; the two sections are written in the same replace as Settings.
TEST(GameRecordsFile, SaveLeavesTheSavedGamesByteForByte) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  const std::string slots =
      "[Saved Game 1]\nName=Lucky\nCredits=5.00\r\n; mine\r\n\r\n"
      "[Saved Game 2]\rName=Second\rSpins=3\r";
  WriteBytes(path, "[Settings]\r\nSpins=2\r\n" + slots +
                       "[Game History]\r\nPlay4=stale\r\n; kept note\r\n"
                       "[Game Statistics]\r\nOldKey=1\r\n");
  Game game;
  game.state.History.Add(SamplePlay(2));
  game.state.Statistics.bonuses = 3;
  Save(path, game);
  const std::string bytes = ReadBytes(path);
  EXPECT_NE(bytes.find(slots), std::string::npos) << bytes;
  EXPECT_LT(bytes.find("[Settings]"), bytes.find(slots));
  EXPECT_NE(
      bytes.find("[Game History]\r\nPlay1=" + PlayText(SamplePlay(2)) + "\r\n; kept note\r\n"),
      std::string::npos)
      << bytes;
  EXPECT_EQ(bytes.find("stale"), std::string::npos);
  EXPECT_EQ(bytes.find("OldKey"), std::string::npos);
  EXPECT_EQ(Load(path).state.Statistics.bonuses, 3);
}

TEST(GameRecordsFile, PlayLineIsReadableAndExact) {
  PlayRecord play;
  play.playedAt = 1796740325;
  play.coinValue = 0.25;
  play.coins = 25;
  play.window = {0, 1, 2, 3, 4, 5, 6, 0, 1};
  play.winningLines = 0b00101;
  play.win = 12.5;
  play.creditsBefore = 1000;
  play.creditsAfter = 993.75;
  play.meterBefore = 40;
  play.meterAfter = 50;
  const std::string text = PlayText(play);
  EXPECT_EQ(text,
            "2026-12-08T14:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, 12.50, 0.00, 1000.00, "
            "993.75, 40, 50");
  EXPECT_EQ(ParsePlay(text), play);
  play.free = true;
  play.winningLines = 0;
  EXPECT_EQ(ParsePlay(PlayText(play)), play);
  EXPECT_NE(PlayText(play).find("Free, 012 345 601, none"), std::string::npos);
  // A bonus shows in its pool paid; one at the money limit, which paid none
  // of the pool, is marked.
  play.free = false;
  play.bonus = true;
  EXPECT_EQ(PlayText(play),
            "2026-12-08T14:32:05Z, 0.25, 25, Paid, 012 345 601, none, 12.50, 0.00, 1000.00, "
            "993.75, 40, 50, Bonus");
  EXPECT_EQ(ParsePlay(PlayText(play)), play);
  play.poolPaid = 61.25;
  EXPECT_EQ(PlayText(play).find("Bonus"), std::string::npos);
  EXPECT_EQ(ParsePlay(PlayText(play)), play);

  // Older records name paying lines that carried no coin: they still read,
  // without those lines, which paid nothing.
  const std::pair<const char*, std::uint8_t> older[] = {
      {"1, Paid, 531 354 415, 4, 0.00", 0},
      {"2, Paid, 555 333 222, 1 2 3, 6.25", 0b00011},
      {"7, Free, 555 333 222, 1 2 3, 6.25", 0b00111},
  };
  for (const auto& [middle, lines] : older) {
    const std::string kept =
        "2026-12-08T14:32:05Z, 0.25, " + std::string(middle) + ", 0.00, 1000.00, 999.75, 40, 50";
    const auto read = ParsePlay(kept);
    ASSERT_TRUE(read) << kept;
    EXPECT_EQ(read->winningLines, lines) << kept;
  }
}

TEST(GameRecordsFile, UtcTimesRoundTripAndBadDatesAreRefused) {
  for (std::int64_t at :
       {std::int64_t{0}, std::int64_t{951782400} /* 2000-02-29 */, std::int64_t{253402300799}})
    EXPECT_EQ(ParseUtcTime(UtcTimeText(at)), at) << UtcTimeText(at);
  EXPECT_EQ(UtcTimeText(951782400), "2000-02-29T00:00:00Z");
  for (const char* bad : {"2026-02-30T10:00:00Z", "1969-12-31T23:59:59Z", "2026-12-08T24:00:00Z",
                          "2026-12-08 16:32:05Z", "2026-12-08T16:32:05", "2026-1a-08T16:32:05Z",
                          "+026-12-08T16:32:05Z", ""})
    EXPECT_EQ(ParseUtcTime(bad), std::nullopt) << bad;
}

TEST(GameRecordsFile, DamagedPlaysAreDroppedAndTheRestCloseUp) {
  const std::string good = PlayText(SamplePlay(5));
  const std::string damaged[] = {
      "2026-12-08T16:32:05Z, x.25, 25, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 0, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 26, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 671, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 60, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 6012, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 6, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 25, Maybe, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, -1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.00, 25, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, five",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5, Bonu",
      "2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5, "
      "Bonus, Bonus",
      "yesterday, 0.25, 25, Paid, 012 345 601, 1 3, 1.00, 0.00, 9.00, 9.00, 4, 5",
      "",
  };
  for (const std::string& text : damaged) {
    EXPECT_EQ(ParsePlay(text), std::nullopt) << text;
    // Play1 damaged, Play2 missing: the good Play3 becomes the newest.
    const GameHistory history =
        ReadHistory(WithHistory("Play1=" + text + "\r\nPlay3=" + good + "\r\n"));
    ASSERT_EQ(history.Plays().size(), 1u) << text;
    EXPECT_EQ(history.Plays().front(), SamplePlay(5));
  }
}

TEST(GameRecordsFile, HandEditedValuesAreHeldWithinTheirLimits) {
  std::string lines;
  for (int n = 1; n <= 12; ++n)
    lines += "Play" + std::to_string(n) + "=" + PlayText(SamplePlay(n)) + "\r\n";
  // More than ten: the eleventh and twelfth are never read.
  const GameHistory ten = ReadHistory(WithHistory(lines));
  ASSERT_EQ(ten.Plays().size(), 10u);
  EXPECT_EQ(ten.Plays().front(), SamplePlay(1));
  EXPECT_EQ(ten.Plays().back(), SamplePlay(10));

  const GameHistory odd =
      ReadHistory(WithHistory("Play1=2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, "
                              "123456789012345, 0.00, -5.00, 9.00, -40, 250\r\n"));
  ASSERT_EQ(odd.Plays().size(), 1u);
  EXPECT_EQ(odd.Plays().front().win, money::LargestAmount);
  EXPECT_EQ(odd.Plays().front().creditsBefore, -5.00);
  EXPECT_EQ(odd.Plays().front().meterBefore, 0);
  EXPECT_EQ(odd.Plays().front().meterAfter, 100);

  // The most negative credits keep every digit, with or without a point.
  const GameHistory deep =
      ReadHistory(WithHistory("Play1=2026-12-08T16:32:05Z, 0.25, 25, Paid, 012 345 601, 1 3, "
                              "1.00, 0.00, -9999999999.99, -9999999999, 40, 50\r\n"));
  ASSERT_EQ(deep.Plays().size(), 1u);
  EXPECT_EQ(deep.Plays().front().creditsBefore, -money::LargestAmount);
  EXPECT_EQ(deep.Plays().front().creditsAfter, -9999999999.00);

  const GameStatistics s = ReadStatistics(ProfileText::Parse(
      "[Game "
      "Statistics]\r\nPaidSpins=12abc\r\nFreeSpins=-3\r\nCoinsWagered=99999999999999999999\r\n"
      "MoneyWagered=123456789012345\r\nWonOnLines=-4.00\r\nWonFromPool=lots\r\n"
      "Bonuses=7\r\nBorrowed=1000.5\r\nPaidBack=\r\n"
      "SpinsByCoins=0:5 26:3 3:-1 x:2 4:7 5: 6:1e3 25:40\r\n"));
  EXPECT_EQ(s.paidSpins, 0);
  EXPECT_EQ(s.freeSpins, 0);
  EXPECT_EQ(s.coinsWagered, 0);
  EXPECT_EQ(s.moneyWagered, money::LargestAmount);
  EXPECT_EQ(s.wonOnLines, 0);
  EXPECT_EQ(s.wonFromPool, 0);
  EXPECT_EQ(s.bonuses, 7);
  EXPECT_EQ(s.borrowed, 1000.50);
  EXPECT_EQ(s.paidBack, 0);
  std::array<std::int64_t, 26> byCoins{};
  byCoins[4] = 7;
  byCoins[25] = 40;
  EXPECT_EQ(s.spinsByCoins, byCoins);
}

// A file kept before the chart and the records existed opens as it was, and
// gains both at the next write; the chart then comes back point for point.
TEST(GameChartFile, OlderFileGainsTheChartAtTheNextPlay) {
  TempFolder folder;
  const std::string path = folder.File("VOLTA.INI");
  Game older;
  older.state.Credits = 812.50;
  older.state.History.Add(SamplePlay(2));
  older.state.Statistics = SampleStatistics();
  older.records = SampleRecords();
  Save(path, older);
  std::string bytes = ReadBytes(path);
  const std::size_t chartAt = bytes.find("[Game Chart]\r\n");
  ASSERT_NE(chartAt, std::string::npos);
  ASSERT_GT(bytes.find("[Records]\r\n"), chartAt);
  bytes.erase(chartAt);  // as the file stood before there was a chart or records
  WriteBytes(path, bytes);

  Game game = Load(path);
  EXPECT_EQ(game.state.Credits, 812.50);
  EXPECT_EQ(game.state.History, older.state.History);
  EXPECT_EQ(game.state.Statistics, older.state.Statistics);
  EXPECT_TRUE(game.state.Chart.Points().empty());
  EXPECT_EQ(game.records, PlayerRecords{});
  EXPECT_EQ(ReadBytes(path), bytes);
  game.records.StartGame({}, 812.50, 1796740000);

  PlayRecord play = SamplePlay(4);
  play.creditsAfter = 900.25;
  game.state.Statistics.AddPlay(play);
  game.state.Chart.AddPlay(play, game.state.Statistics);
  Save(path, game);
  const std::string kept = ReadBytes(path);
  // Only the totals moved; the chart follows them.
  const std::size_t totalsAt = bytes.find("[Game Statistics]");
  EXPECT_EQ(kept.substr(0, totalsAt), bytes.substr(0, totalsAt));
  EXPECT_NE(kept.find("[Game Chart]\r\nPoint1=5000000194, 5000000124, 900.25, 98765.80, "
                      "92103.65, Bonus, 4399.30\r\n"),
            std::string::npos)
      << kept;
  EXPECT_NE(kept.find("[Records]\r\nGames=1, 2026-12-08T14:26:40Z, 1\r\nPaidSpins=0\r\n"),
            std::string::npos)
      << kept;
  const Game again = Load(path);
  EXPECT_EQ(again.records, game.records);
  EXPECT_EQ(again.state.Chart, game.state.Chart);
  EXPECT_EQ(again.state.Statistics, game.state.Statistics);
}

// Whatever stands in the chart's section, the points that read are kept in
// order and the rest dropped; the credits and the totals are never touched.
TEST(GameChartFile, HostileValuesAreDroppedAndNeverTouchTheMoney) {
  const std::string good1 = "Point1=3, 2, 990.00, 0.50, 0.25, none\r\n";
  const std::string good3 = "Point3=9, 7, 1010.00, 1.75, 1.50, Bonus PayBack\r\n";
  const std::string hostile[] = {
      "garbage",
      "nan, nan, nan, nan, nan, none",
      "4, 3, nan, 1.00, 1.00, none",
      "4, 3, inf, 1.00, 1.00, none",
      "4, 3, 1e9, 1.00, 1.00, none",
      "4, 3, 995.00, -1.00, 1.00, none",
      "4, 3, 995.00, 1.00, 1.00, Jackpot",
      "4, 3, 995.00, 1.00, 1.00",
      "4, 3, 995.00, 1.00, 1.00, none, 7",  // more from the pool than returned
      "4, 3, 995.00, 1.00, 1.00, none, -0.50",
      "4, 3, 995.00, 1.00, 1.00, none, 0.50",  // more from the pool than the game won
      "4, 3, 995.00, 1.00, 1.00, none, 0.50, 1",
      "4, 5, 995.00, 1.00, 1.00, none",      // more paid spins than plays
      "2, 2, 995.00, 1.00, 1.00, none",      // a play before the one above
      "4, 3, 995.00, 0.25, 1.00, none",      // less wagered than before
      "999, 3, 995.00, 1.00, 1.00, none",    // past the game's own plays
      "4, 3, 995.00, 1.00, 99999.00, none",  // more returned than the game won
      "99999999999999999999, 3, 995.00, 1.00, 1.00, none",
      std::string(10'000'000, '7'),
      "4, 3, " + std::string(10'000'000, '9') + ", 1.00, 1.00, none",
  };
  for (const std::string& value : hostile) {
    const std::string section =
        "[Settings]\r\nCredits=1234.56\r\n"
        "[Game Statistics]\r\nPaidSpins=10\r\nFreeSpins=2\r\n"
        "MoneyWagered=2.50\r\nWonOnLines=3.00\r\n"
        "[Game Chart]\r\n" +
        good1 + "Point2=" + value + "\r\n" + good3;
    TempFolder folder;
    const std::string path = folder.File("VOLTA.INI");
    WriteBytes(path, section);
    const Game game = Load(path);
    const std::string shown = value.substr(0, 60);
    EXPECT_EQ(game.state.Credits, 1234.56) << shown;
    EXPECT_EQ(game.state.Statistics.paidSpins, 10) << shown;
    EXPECT_EQ(game.state.Statistics.moneyWagered, 2.50) << shown;
    const std::vector<ChartPoint> expected{
        {3, 2, 990.00, 0.50, 0.25, 0, std::nullopt},
        {9, 7, 1010.00, 1.75, 1.50, chart_mark::Bonus | chart_mark::PayBack, std::nullopt}};
    EXPECT_EQ(game.state.Chart.Points(), expected) << shown;
  }
  // Keys past the chart's capacity are never read.
  const GameChart far =
      ReadChart(ProfileText::Parse("[Game Chart]\r\nPoint2001=1, 1, 1.00, 1.00, 1.00, none\r\n"),
                SampleStatistics());
  EXPECT_TRUE(far.Points().empty());
}

TEST(RecordsFile, RecordLinesAreReadableAndExact) {
  const PlayerRecords r = SampleRecords();
  const std::pair<std::string, std::string> expected[] = {
      {"Games", "12, 2026-12-08T14:26:40Z, 12, Sunday, late, \u00e9t\u00e9"},
      {"PaidSpins", "5000000123, 2026-12-08T14:28:20Z"},
      {"FreeSpins", "70, 2026-12-08T14:30:00Z"},
      {"Bonuses", "10, 2026-12-08T14:31:40Z"},
      {"BiggestWin", "9999999999.99, 2026-12-08T14:33:20Z, 3"},
      {"BiggestBonus", "78.25, 2026-12-08T14:35:00Z, 4, Cellar"},
      {"MostCredits", "10250.05, 2026-12-08T14:36:40Z, 12, Sunday, late, \u00e9t\u00e9"},
      {"LongestWinRun", "9223372036854775807, 2026-12-08T14:38:20Z, 2"},
      {"TimePlayed", "98765, 2026-12-08T14:40:00Z"},
      {"WinRun", "3"},
  };
  EXPECT_EQ(RecordsEntries(r), ProfileEntries(std::begin(expected), std::end(expected)));
  // Never set: the value alone.
  EXPECT_EQ(RecordsEntries(PlayerRecords{}).front().second, "0");
  EXPECT_EQ(RecordsEntries(PlayerRecords{})[5].second, "0.00");
  // A slot name read from an older encoding, and one past its capacity.
  const auto latin = ParseAmountRecord("1.00, 2026-12-08T14:26:40Z, 2, Caf\xe9");
  ASSERT_TRUE(latin);
  EXPECT_EQ(latin->game.slotName, "Caf\u00e9");
  const auto longName = ParseCountRecord("1, 2026-12-08T14:26:40Z, 2, " + std::string(5000, 'x'));
  ASSERT_TRUE(longName);
  EXPECT_EQ(longName->game.slotName, std::string(SlotNameCapacity, 'x'));
}

// Whatever stands in the records' section, a record that does not read is
// dropped (it reads as never set) and the others are kept; the game in play,
// its money above all, is never touched.
TEST(RecordsFile, HostileValuesAreDroppedAndNeverTouchTheMoney) {
  const std::string hostile[] = {
      "garbage",
      "",
      "-5, 2026-12-08T14:26:40Z, 1",
      "1e9, 2026-12-08T14:26:40Z, 1",
      "nan, 2026-12-08T14:26:40Z, 1",
      "inf",
      "0x10",
      "5, yesterday, 1",
      "5, 1969-12-31T23:59:59Z, 1",
      "5, 2026-12-08T14:26:40Z, 0",
      "5, 2026-12-08T14:26:40Z, -3",
      "5, 2026-12-08T14:26:40Z, many",
      "5, , 1",
      "5, 2026-12-08T14:26:40Z, " + std::string(100'000, '9'),
  };
  for (const std::string& value : hostile) {
    const std::string shown = value.substr(0, 60);
    std::string records = "[Records]\r\nFreeSpins=9, 2026-12-08T14:26:40Z\r\n";
    for (const char* key : {"Games", "PaidSpins", "BiggestWin", "MostCredits", "TimePlayed",
                            "LongestWinRun", "Credits", "WinRun"})
      records += std::string(key) + "=" + value + "\r\n";
    TempFolder folder;
    const std::string path = folder.File("VOLTA.INI");
    WriteBytes(path, "[Settings]\r\nCredits=1234.56\r\nBorrowed=20.00\r\n" + records);
    const Game game = Load(path);
    EXPECT_EQ(game.state.Credits, 1234.56) << shown;
    EXPECT_EQ(game.state.Borrowed, 20.00) << shown;
    PlayerRecords expected;
    expected.freeSpins = {9, 1796740000, {}};
    EXPECT_EQ(game.records, expected) << shown;
  }
  // A count past its range does not read; an amount is held within the
  // money limit, as every amount in the file is.
  const PlayerRecords huge =
      ReadRecords(ProfileText::Parse("[Records]\r\nGames=99999999999999999999\r\nBiggestWin=" +
                                     std::string(100'000, '7') + "\r\n"));
  EXPECT_EQ(huge.games, Record<std::int64_t>{});
  EXPECT_EQ(huge.biggestWin.value, money::LargestAmount);
  // Blanks around the fields, an amount without decimals and a key in
  // other letters still read.
  const PlayerRecords read = ReadRecords(
      ProfileText::Parse("[records]\r\nbiggestwin =  25 ,2026-12-08T14:26:40Z ,  7 ,  Den  \r\n"));
  EXPECT_EQ(read.biggestWin, (Record<double>{25.00, 1796740000, {7, "Den"}}));
}
