// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BenchForm.h"
#include "BenchTable.h"

// Spins played through the real window and its event-loop waits: the
// duration of a Fast, Medium and Slow spin's steps against their schedule,
// the process's share of a core during a Fast spin, and a 5000-coin win
// counted into the credits against the sum of its pauses.
void MeasureSpins(BenchForm& form, ScriptedStops& chance, BenchTable& table, int spinsPerSpeed);
void MeasureCountUp(BenchForm& form, ScriptedStops& chance, BenchTable& table);
