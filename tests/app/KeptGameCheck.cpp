// SPDX-License-Identifier: GPL-3.0-or-later
// Compares the settings file written before a run of the game with the one
// left behind when the run was killed, and says what does not add up: a
// file that is not whole, money that appeared or vanished, a spin that was
// decided and is gone, a play whose pay is not what its window shows.
// Arguments: the file before, the file after. Exit status 0 when all holds.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "GameState.h"
#include "Profile.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"

namespace {

std::vector<std::string> faults;

void Fault(const std::string& text) { faults.push_back(text); }

std::int64_t Cents(double amount) {
  return static_cast<std::int64_t>(amount * 100 + (amount < 0 ? -0.5 : 0.5));
}

std::string Money(std::int64_t cents) {
  char text[40];
  std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(cents / 100),
                static_cast<long long>(cents < 0 ? -cents % 100 : cents % 100));
  return text;
}

struct KeptGame {
  GameState state;
  Settings settings;
};

KeptGame Load(const std::string& path) {
  KeptGame game;
  bool maxed = false;
  LoadSettingsFile(path, game.state, game.settings, maxed);
  return game;
}

// The file is whole when every key of the Settings section is in it.
void CheckWhole(const std::string& path) {
  const ProfileText file = LoadProfile(path);
  GameState state;
  Settings settings;
  bool maxed = false;
  for (const SettingsKey& key : SettingsKeys(state, settings, maxed))
    if (!file.Find(SettingsSection, key.name)) Fault("the file lacks " + key.name);
}

// Pay per coin of a line, worked out here from the pay table as the player
// reads it, not by the game's own code.
int PayPerCoin(int a, int b, int c) {
  static constexpr int ThreeOfAKind[] = {1000, 200, 50, 20, 10, 5};
  if (a == b && b == c && a >= 0 && a <= 5) return ThreeOfAKind[a];
  if (a == 5 && b == 5) return 2;
  return 0;
}

std::int64_t LineWinCents(const PlayRecord& play) {
  // Rows of each line on wheels 1, 2, 3 (0 top, 1 middle, 2 bottom).
  static constexpr int Rows[5][3] = {{1, 1, 1}, {0, 0, 0}, {2, 2, 2}, {0, 1, 2}, {2, 1, 0}};
  const std::int64_t coinCents = Cents(play.coinValue);
  std::int64_t total = 0;
  for (int line = 0; line < 5; ++line) {
    const int coinsOnLine = play.coins > line ? (play.coins - line - 1) / 5 + 1 : 0;
    const auto& w = play.window;
    const int pay = PayPerCoin(w[static_cast<std::size_t>(0 + Rows[line][0])],
                               w[static_cast<std::size_t>(3 + Rows[line][1])],
                               w[static_cast<std::size_t>(6 + Rows[line][2])]);
    total += std::int64_t{pay} * coinsOnLine * coinCents;
  }
  return total;
}

int ExpectedMeter(const PlayRecord& play) {
  if (play.free || play.bonus) return 0;
  int voltaros = 0;
  bool drain = false;
  for (int symbol : play.window) {
    voltaros += symbol == 0;
    drain = drain || symbol == 6;
  }
  if (drain) return play.meterBefore / 2;
  if (voltaros > 0) return std::min(100, play.meterBefore + 10 * voltaros);
  return play.meterBefore;
}

void CheckPlay(const PlayRecord& play, int age) {
  const std::string name = "play " + std::to_string(age + 1) + " of the history: ";
  const std::int64_t win = LineWinCents(play);
  if (Cents(play.win) != win)
    Fault(name + "paid " + Money(Cents(play.win)) + " on the lines, its window pays " + Money(win));
  const std::int64_t bet = play.free ? 0 : Cents(play.coinValue) * play.coins;
  const std::int64_t after = Cents(play.creditsBefore) - bet + win + Cents(play.poolPaid);
  if (Cents(play.creditsAfter) != after)
    Fault(name + "credits after " + Money(Cents(play.creditsAfter)) + ", should be " +
          Money(after));
  if (play.meterAfter != ExpectedMeter(play))
    Fault(name + "meter " + std::to_string(play.meterBefore) + " -> " +
          std::to_string(play.meterAfter));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s BEFORE AFTER\n", argv[0]);
    return 2;
  }
  CheckWhole(argv[2]);
  const KeptGame before = Load(argv[1]);
  const KeptGame after = Load(argv[2]);
  const GameStatistics& was = before.state.Statistics;
  const GameStatistics& is = after.state.Statistics;

  const std::int64_t newPaid = is.paidSpins - was.paidSpins;
  const std::int64_t newFree = is.freeSpins - was.freeSpins;
  if (newPaid < 0 || newFree < 0) Fault("decided spins were undone");
  if (after.state.Spins - before.state.Spins != newPaid)
    Fault("Spins went from " + std::to_string(before.state.Spins) + " to " +
          std::to_string(after.state.Spins) + " over " + std::to_string(newPaid) + " paid plays");
  if (after.state.FreeSpinsPlayed - before.state.FreeSpinsPlayed != newFree)
    Fault("FreeSpinsPlayed does not follow the free plays");

  const auto& plays = after.state.History.Plays();
  const auto& older = before.state.History.Plays();
  const std::int64_t newPlays = newPaid + newFree;
  if (newPlays > static_cast<std::int64_t>(plays.size())) {
    Fault("more new plays than the history holds: " + std::to_string(newPlays));
  } else if (newPlays >= 0) {
    const auto fresh = static_cast<std::size_t>(newPlays);
    // The plays of the earlier file are all still there, behind the new ones.
    for (std::size_t n = 0; n < older.size() && fresh + n < plays.size(); ++n)
      if (!(older[n] == plays[fresh + n]))
        Fault("an earlier play changed or vanished: " + std::to_string(n + 1));

    std::int64_t moved = 0;
    for (std::size_t n = 0; n < fresh; ++n) {
      const PlayRecord& play = plays[n];
      CheckPlay(play, static_cast<int>(n));
      moved += Cents(play.win) + Cents(play.poolPaid) -
               (play.free ? 0 : Cents(play.coinValue) * play.coins);
    }
    // Every cent is accounted for: plays, borrowing and paying back. A wager
    // left on the table is still the player's.
    const std::int64_t expected = Cents(before.state.Credits) + Cents(before.state.Wager) + moved +
                                  Cents(is.borrowed) - Cents(was.borrowed) - Cents(is.paidBack) +
                                  Cents(was.paidBack);
    const std::int64_t actual = Cents(after.state.Credits) + Cents(after.state.Wager);
    if (actual != expected)
      Fault("credits and wager " + Money(actual) + ", the plays and loans add up to " +
            Money(expected));
    if (Cents(after.state.Borrowed) - Cents(before.state.Borrowed) !=
        Cents(is.borrowed) - Cents(was.borrowed) - Cents(is.paidBack) + Cents(was.paidBack))
      Fault("Borrowed does not follow the loans");
  }

  for (const std::string& fault : faults) std::fprintf(stderr, "FAULT: %s\n", fault.c_str());
  std::printf("%lld paid and %lld free plays, credits %s\n", static_cast<long long>(newPaid),
              static_cast<long long>(newFree), Money(Cents(after.state.Credits)).c_str());
  return faults.empty() ? 0 : 1;
}
