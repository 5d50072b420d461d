// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchTable.h"

class TForm1;

// The cost of the start's read and the close's write of a settings file that
// holds 1,000,000 lines of other programs' sections before the game's own:
// medians of three of each.
void MeasureSettingsFileCosts(BenchTable& table);

// The write that keeps the game before each spin's wheels turn, through the
// real window into its own settings file: median and worst of many.
void MeasureGameKeeping(TForm1& form, BenchTable& table);
