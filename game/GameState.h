// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "GameChart.h"
#include "GameStatistics.h"
#include "PlayRecord.h"
#include "TranslatableText.h"

// Pay per coin on a line, by combination (see Paylines.h for the rows).
inline constexpr std::array<std::int32_t, 7> PayTable{1000, 200, 50, 20, 10, 5, 2};

// The six coin values of the Bet Amount menu, indexed by Settings::Bet.
inline constexpr int CoinValueCount = 6;
inline constexpr std::array<double, CoinValueCount> CoinValues{5.00, 1.00, 0.50, 0.25, 0.10, 0.05};
inline constexpr std::array<const char*, CoinValueCount> CoinValueCaptions{
    "$5", "$1", "50\u00a2", "25\u00a2", "10\u00a2", "5\u00a2"};
inline constexpr int DefaultBet = 3;
inline constexpr double DefaultCoinValue = CoinValues[DefaultBet];

inline constexpr double NewGameCredits = 1000.00;
inline constexpr int PoolSeedCoins = 200;
inline constexpr int MaxCoins = 25;
inline constexpr int FreeSpinsPerBonus = 7;
// The power meter gives the bonus as it reaches this; between spins it is always below.
inline constexpr int FullPower = 100;

// The game in progress. Field names are the ones used throughout the program
// and in the settings file.
struct GameState {
  double Credits = NewGameCredits;
  double Borrowed = NewGameCredits;
  double BonusPool = PoolSeedCoins * DefaultCoinValue;
  std::int32_t Spins = 0;
  std::int32_t FreeSpinsPlayed = 0;
  std::int32_t FreeSpins = 0;
  std::int32_t PowerPts = 0;
  double CoinValue = DefaultCoinValue;
  double Wager = 0;
  double LastBet = 0;
  double WinAmount = 0;
  std::array<double, 5> LineBet{};
  std::array<double, 5> LinePay{};
  std::array<std::int32_t, 3> Stops{26, 2, 8};
  std::array<std::int32_t, 9> Window{};
  std::string Strip1;
  std::string Strip2;
  std::string Strip3;
  // The last ten settled plays, the totals since New Game and the chart of
  // the whole game.
  GameHistory History;
  GameStatistics Statistics;
  GameChart Chart;
};

inline constexpr const char* ProductTitle = "Voltaro Slots";
// What the About box says of the game; translated where it is shown.
inline constexpr const char* ProgramDescription =
    QT_TRANSLATE_NOOP("TAboutBox",
                      "A 3-wheel, 5-payline slot machine.  Features the largest slot wheels "
                      "ever on a PC, as well as, user-selectable backgrounds and "
                      "sound effects.\n\n"
                      "Includes an interesting bonus feature--win the progressive "
                      "bonus pool and seven free spins.");
