// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchTable.h"

// The cost of one animation step at S = 96, 144 and 192 and of a full paint
// at 632 x 394 and 1920 x 1080: medians over `repetitions` runs.
void MeasureFaceCosts(BenchTable& table, int repetitions);
