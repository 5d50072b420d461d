// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchTable.h"

// The size of the plan of a spin that pays the largest pool a never-saved
// slot holds (200,000 coins at 5¢), and the time the rules take to build it.
void MeasurePlanSize(BenchTable& table);
