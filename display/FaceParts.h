// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FaceLayout.h"
#include "GameState.h"

class CanvasWidget;

// Pieces of the machine face that the game redraws alone between full
// paints. Each paints into the target's canvas and shows the change at once.

// Payline 0..4 (lines 1..5) in red across the reel area.
void DrawPayline(CanvasWidget& target, const FaceLayout& layout, int index);

// The 25 coin lamps: column j holds the (j + 1)-th coin of each line, so
// lamp (j, k) is lit when 5j + k < coins; lines that won (LinePay > 0) show
// their lit lamps blue, the others red.
void DrawLineLamps(CanvasWidget& target, const FaceLayout& layout, const GameState& state,
                   int coins);

// The power meter bar from PowerPts with its percentage. Rising paints the
// charged (blue) part first, falling the empty (red) part.
void DrawPowerMeter(CanvasWidget& target, const FaceLayout& layout, const GameState& state,
                    bool rising);
