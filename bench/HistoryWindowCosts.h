// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchTable.h"

class TForm1;

// The time to open the game history window on ten plays, from making it to
// its first paint on the screen: median and worst of `repetitions` openings,
// the first of which also works out the machine's exact figures.
void MeasureHistoryWindowCosts(TForm1& form, BenchTable& table, int repetitions);
