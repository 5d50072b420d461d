// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchTable.h"

// The cost of the start's read and the close's write of a settings file that
// holds 1,000,000 lines of other programs' sections before the game's own:
// medians of three of each.
void MeasureSettingsFileCosts(BenchTable& table);
