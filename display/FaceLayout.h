// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Height of the button panel under the face.
inline constexpr int PanelHeight = 57;

// Where everything on the machine face goes, worked out from the client area
// (face and button panel together) and the symbol size. Recomputed by every
// full paint and reused by the partial redraws in between.
struct FaceLayout {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int SymbolSize = 96;
  int ReelTop = 0;
  int ReelLeft = 0;
  int ReadoutMargin = 24;
  int ReadoutRight = 0;
  int RowStep = 0;
  int RowCredits = 0;
  int RowWager = 0;
  int RowWon = 0;
  int RowLines = 0;

  static FaceLayout Compute(int clientWidth, int clientHeight, int symbolSize);

  // True when the whole face for the symbol size fits above the panel of a
  // client area this high: from the captions of the top readouts, 9 px
  // above the wheels, to the foot of the wheels' frame, 9 px below them.
  static bool FitsHeight(int clientHeight, int symbolSize);

  // The window of wheel w (0..2), S wide and 3S high.
  QRect WheelRect(int wheel) const;
  // The cell of wheel w at row r (0 top .. 2 bottom).
  QRect CellRect(int wheel, int row) const;
  // The mid-size layouts move the readout columns 13 px outward.
  int MidSizeShift() const { return SymbolSize == 144 ? 13 : 0; }
};
