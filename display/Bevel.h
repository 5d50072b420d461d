// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CanvasWidget;

// Bevel kinds: a wide (8 px off) or narrow (3 px off) frame, sunken or
// raised; the sunken kinds also outline the rectangle in black.
enum BevelKind : int {
  BevelWideSunken = 0,
  BevelWideRaised = 1,
  BevelNarrowSunken = 2,
  BevelNarrowRaised = 3,
};

// Frames the rectangle (left, top, right, bottom) with one-pixel lines.
void DrawBevel(CanvasWidget& target, int left, int top, int right, int bottom, int kind);
