// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchTable.h"

struct GameState;
class TForm1;

// The time to open the game history window on ten plays, from making it to
// its first paint on the screen: median and worst of `repetitions` openings,
// the first of which also works out the machine's exact figures; and the
// median opening on its charts, the chart full.
void MeasureHistoryWindowCosts(TForm1& form, BenchTable& table, int repetitions);

// Plays added to the game until its chart holds all the points it keeps.
void FillChart(GameState& game);
