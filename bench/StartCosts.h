// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class BenchTable;
class QString;

// Starts `gameStart` (a program that makes the game's window as the game
// does) and `bareStart` (a bare Qt window of the same size) in turn, `runs`
// times each, and adds the time from each start to its first paint.
void MeasureStartAgainstBareWindow(BenchTable& table, const QString& gameStart,
                                   const QString& bareStart, int runs);
