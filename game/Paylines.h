// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "GameState.h"

inline constexpr int LineCount = 5;

// Rows (0 top, 1 middle, 2 bottom) of each payline on wheels 1 to 3, in the
// order the lines take coins and are evaluated.
inline constexpr std::array<std::array<int, 3>, LineCount> PaylineRows{{
    {1, 1, 1},  // 1: middle row
    {0, 0, 0},  // 2: top row
    {2, 2, 2},  // 3: bottom row
    {0, 1, 2},  // 4: falling diagonal
    {2, 1, 0},  // 5: rising diagonal
}};

// Pay per coin of three symbols read along a line: the first matching row of
// PayTable, or 0.
int PayFor(int first, int second, int third);

// Spreads an amount over the lines coin by coin: coin j goes to line
// ((j - 1) mod 5) + 1; at most MaxCoins coins are dealt.
std::array<double, LineCount> DealtLineBets(double amount, double coinValue);
// The same into LineBet.
void DealLineBets(GameState& state, double amount);
// The lines a bet of that many coins puts at least one coin on (bit n: line
// n + 1); coins go to the lines in turn, so these are the first ones.
std::uint8_t LinesWithCoins(int coins);

// Sets every LinePay to 0 (a winning line stays marked until this runs).
void ClearLineResults(GameState& state);

// Fills LinePay from Window and returns the spin's win in dollars.
double EvaluateLines(GameState& state);
