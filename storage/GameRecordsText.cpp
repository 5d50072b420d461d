// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRecordsText.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <vector>

#include "GameState.h"
#include "MoneyText.h"
#include "Paylines.h"
#include "Reels.h"

namespace {

constexpr int FullMeter = 100;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t at = text.find(separator);
    parts.push_back(Trimmed(text.substr(0, at)));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// Whole decimal text only: "12x" or "" is no number.
template <class Integer>
std::optional<Integer> WholeNumber(std::string_view text) {
  text = Trimmed(text);
  Integer value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// An amount as MoneyToText writes it, sign and decimals optional; anything else
// is damaged. TextToMoney caps it at the money limit.
std::optional<double> Amount(std::string_view text) {
  text = Trimmed(text);
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
  const std::size_t point = digits.find('.');
  const std::string_view whole = digits.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
  const auto allDigits = [](std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (whole.empty() || !allDigits(whole) || !allDigits(fraction)) return std::nullopt;
  if (point != std::string_view::npos && fraction.empty()) return std::nullopt;
  return TextToMoney(text);
}

double AmountOrZero(const ProfileText& file, std::string_view key) {
  const auto text = file.Find(StatisticsSection, key);
  const std::optional<double> amount = text ? Amount(*text) : std::nullopt;
  return amount && *amount > 0 ? *amount : 0.0;
}

std::int64_t CountOrZero(const ProfileText& file, std::string_view key) {
  const auto text = file.Find(StatisticsSection, key);
  const auto count = text ? WholeNumber<std::int64_t>(*text) : std::nullopt;
  return count && *count > 0 ? *count : 0;
}

std::string WindowText(const std::array<std::int32_t, 9>& window) {
  std::string text;
  for (std::size_t cell = 0; cell < window.size(); ++cell) {
    if (cell > 0 && cell % 3 == 0) text += ' ';
    text += static_cast<char>('0' + window[cell]);
  }
  return text;
}

std::optional<std::array<std::int32_t, 9>> ParseWindow(std::string_view text) {
  std::array<std::int32_t, 9> window{};
  std::size_t cell = 0;
  for (char c : text) {
    if (c == ' ') continue;
    if (c < '0' || c >= '0' + SymbolCount || cell == window.size()) return std::nullopt;
    window[cell++] = c - '0';
  }
  if (cell != window.size()) return std::nullopt;
  return window;
}

std::string LinesText(std::uint8_t lines) {
  std::string text;
  for (int line = 0; line < LineCount; ++line) {
    if ((lines & (1u << line)) == 0) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(line + 1);
  }
  return text.empty() ? "none" : text;
}

std::optional<std::uint8_t> ParseLines(std::string_view text) {
  if (text == "none") return std::uint8_t{0};
  unsigned lines = 0;
  for (std::string_view number : Split(text, ' ')) {
    if (number.empty()) continue;
    const auto line = WholeNumber<int>(number);
    if (!line || *line < 1 || *line > LineCount) return std::nullopt;
    lines |= 1u << (*line - 1);
  }
  if (lines == 0) return std::nullopt;
  return static_cast<std::uint8_t>(lines);
}

std::string PlayKey(int number) { return "Play" + std::to_string(number); }

}  // namespace

std::optional<double> ParseRecordAmount(std::string_view text) { return Amount(text); }

std::vector<std::string_view> SplitRecordFields(std::string_view text, char separator) {
  return Split(text, separator);
}

std::optional<std::int64_t> ParseRecordCount(std::string_view text) {
  return WholeNumber<std::int64_t>(text);
}

std::string UtcTimeText(std::int64_t secondsSince1970) {
  using namespace std::chrono;
  const sys_seconds at{seconds{secondsSince1970}};
  const sys_days day = floor<days>(at);
  const year_month_day date{day};
  const hh_mm_ss time{at - day};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                static_cast<int>(time.seconds().count()));
  return text;
}

std::optional<std::int64_t> ParseUtcTime(std::string_view text) {
  using namespace std::chrono;
  // YYYY-MM-DDTHH:MM:SSZ, nothing more or less.
  if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':' || text[19] != 'Z')
    return std::nullopt;
  const auto field = [&](std::size_t at, std::size_t length) {
    return WholeNumber<int>(text.substr(at, length));
  };
  const auto y = field(0, 4), mo = field(5, 2), d = field(8, 2);
  const auto h = field(11, 2), mi = field(14, 2), s = field(17, 2);
  if (!y || !mo || !d || !h || !mi || !s || *y < 1970 || *h > 23 || *mi > 59 || *s > 59)
    return std::nullopt;
  const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                            day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return std::nullopt;
  const sys_seconds at = sys_days{date} + hours{*h} + minutes{*mi} + seconds{*s};
  return at.time_since_epoch().count();
}

std::string PlayText(const PlayRecord& play) {
  const std::int64_t yearTenThousand = 253402300800;  // the first second the text cannot hold
  const std::string fields[] = {
      UtcTimeText(std::clamp<std::int64_t>(play.playedAt, 0, yearTenThousand - 1)),
      MoneyToText(play.coinValue),
      std::to_string(play.coins),
      play.free ? "Free" : "Paid",
      WindowText(play.window),
      LinesText(play.winningLines),
      MoneyToText(play.win),
      MoneyToText(play.poolPaid),
      MoneyToText(play.creditsBefore),
      MoneyToText(play.creditsAfter),
      std::to_string(play.meterBefore),
      std::to_string(play.meterAfter),
  };
  std::string text;
  for (const std::string& field : fields) {
    if (!text.empty()) text += ", ";
    text += field;
  }
  // Only a bonus its pool paid does not show is marked, so every other play
  // reads as before in older versions too.
  if (play.bonus && !(play.poolPaid > 0)) text += ", Bonus";
  return text;
}

std::optional<PlayRecord> ParsePlay(std::string_view text) {
  const std::vector<std::string_view> fields = Split(text, ',');
  if (fields.size() != 12 && (fields.size() != 13 || fields[12] != "Bonus")) return std::nullopt;
  PlayRecord play;
  const auto at = ParseUtcTime(fields[0]);
  const auto coinValue = Amount(fields[1]);
  const auto coins = WholeNumber<std::int32_t>(fields[2]);
  const bool paid = fields[3] == "Paid";
  const auto window = ParseWindow(fields[4]);
  const auto lines = ParseLines(fields[5]);
  const auto win = Amount(fields[6]);
  const auto pool = Amount(fields[7]);
  const auto before = Amount(fields[8]);
  const auto after = Amount(fields[9]);
  const auto meterBefore = WholeNumber<std::int32_t>(fields[10]);
  const auto meterAfter = WholeNumber<std::int32_t>(fields[11]);
  if (!at || !coinValue || !coins || (!paid && fields[3] != "Free") || !window || !lines || !win ||
      !pool || !before || !after || !meterBefore || !meterAfter)
    return std::nullopt;
  if (*coinValue <= 0 || *coins < 1 || *coins > MaxCoins || *win < 0 || *pool < 0)
    return std::nullopt;
  play.playedAt = *at;
  play.coinValue = *coinValue;
  play.coins = *coins;
  play.free = !paid;
  play.window = *window;
  // Older records also name paying lines that carried no coin; those paid
  // nothing, so they are not counted as paid.
  play.winningLines = static_cast<std::uint8_t>(*lines & LinesWithCoins(*coins));
  play.win = *win;
  play.poolPaid = *pool;
  play.bonus = fields.size() == 13 || *pool > 0;
  play.creditsBefore = *before;
  play.creditsAfter = *after;
  play.meterBefore = std::clamp(*meterBefore, 0, FullMeter);
  play.meterAfter = std::clamp(*meterAfter, 0, FullMeter);
  return play;
}

ProfileEntries HistoryEntries(const GameHistory& history) {
  ProfileEntries entries;
  int number = 0;
  for (const PlayRecord& play : history.Plays()) {
    if (++number > GameHistory::Capacity) break;
    entries.emplace_back(PlayKey(number), PlayText(play));
  }
  return entries;
}

GameHistory ReadHistory(const ProfileText& file) {
  // Added oldest first, so the newest ends in front.
  std::vector<PlayRecord> plays;
  for (int number = 1; number <= GameHistory::Capacity; ++number) {
    const auto text = file.Find(HistorySection, PlayKey(number));
    if (!text) continue;
    if (auto play = ParsePlay(*text)) plays.push_back(*play);
  }
  GameHistory history;
  for (auto play = plays.rbegin(); play != plays.rend(); ++play) history.Add(*play);
  return history;
}

ProfileEntries StatisticsEntries(const GameStatistics& s) {
  std::string byCoins;
  for (int coins = 1; coins < static_cast<int>(s.spinsByCoins.size()); ++coins) {
    const std::int64_t spins = s.spinsByCoins[static_cast<std::size_t>(coins)];
    if (spins <= 0) continue;
    if (!byCoins.empty()) byCoins += ' ';
    byCoins += std::to_string(coins) + ":" + std::to_string(spins);
  }
  return {
      {"PaidSpins", std::to_string(s.paidSpins)},
      {"FreeSpins", std::to_string(s.freeSpins)},
      {"CoinsWagered", std::to_string(s.coinsWagered)},
      {"MoneyWagered", MoneyToText(s.moneyWagered)},
      {"WonOnLines", MoneyToText(s.wonOnLines)},
      {"WonFromPool", MoneyToText(s.wonFromPool)},
      {"Bonuses", std::to_string(s.bonuses)},
      {"Borrowed", MoneyToText(s.borrowed)},
      {"PaidBack", MoneyToText(s.paidBack)},
      {"BiggestWin", MoneyToText(s.biggestWin)},
      {"SpinsByCoins", byCoins},
  };
}

GameStatistics ReadStatistics(const ProfileText& file) {
  GameStatistics s;
  s.paidSpins = CountOrZero(file, "PaidSpins");
  s.freeSpins = CountOrZero(file, "FreeSpins");
  s.coinsWagered = CountOrZero(file, "CoinsWagered");
  s.moneyWagered = AmountOrZero(file, "MoneyWagered");
  s.wonOnLines = AmountOrZero(file, "WonOnLines");
  s.wonFromPool = AmountOrZero(file, "WonFromPool");
  s.bonuses = CountOrZero(file, "Bonuses");
  s.borrowed = AmountOrZero(file, "Borrowed");
  s.paidBack = AmountOrZero(file, "PaidBack");
  s.biggestWin = AmountOrZero(file, "BiggestWin");
  const std::string byCoins = file.Find(StatisticsSection, "SpinsByCoins").value_or("");
  for (std::string_view pair : Split(byCoins, ' ')) {
    const std::size_t colon = pair.find(':');
    if (colon == std::string_view::npos) continue;
    const auto coins = WholeNumber<int>(pair.substr(0, colon));
    const auto spins = WholeNumber<std::int64_t>(pair.substr(colon + 1));
    if (coins && spins && *coins >= 1 && *coins <= MaxCoins && *spins > 0)
      s.spinsByCoins[static_cast<std::size_t>(*coins)] = *spins;
  }
  return s;
}
