// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "GameState.h"
#include "MachineFace.h"

// Symbol art made for the tests: every cell one flat colour of its own, so a
// pixel read back from a wheel tells which symbol is there. The last column
// of each cell has a colour of its own as well, to catch it being shown.
QImage MakeTestArt(int symbolSize);
QRgb ArtColour(int cell);
inline constexpr QRgb ArtEdgeColour = 0xFF010203;

// The symbol code shown by a colour of the test art, or -1.
int CellOfColour(QRgb colour);

// A game with its strips installed and a face of the given client size
// (face and button panel together), with test art, fully painted.
struct FaceRig {
  GameState state;
  std::unique_ptr<MachineFace> face;

  FaceRig(int clientWidth, int clientHeight, int symbolSize);
  const QImage& Canvas() const { return face->Canvas(); }
  QRgb Pixel(int x, int y) const { return Canvas().pixel(x, y) | 0xFF000000U; }
  const FaceLayout& Layout() const { return face->Layout(); }
};

// Reads back an LED text of `cells` glyph places drawn right to left with
// its last cell at x (digits, blanks and points), by matching each cell
// against the Digits strip in the given band. Unknown cells read as '?'.
QString ReadLedText(const QImage& canvas, int x, int y, int cells, int band);

// True when the canvas shows exactly the strip's rectangle at `at`.
bool ShowsGlyph(const QImage& canvas, QPoint at, const QImage& strip, const QRect& glyph);

// Reads a caption from a label box drawn at (x, y, width): letters from the
// right edge leftwards, blanks as ' ', trailing blanks dropped.
QString ReadCaption(const QImage& canvas, int x, int y, int width, int letters);

inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb Red = 0xFFFF0000;
inline constexpr QRgb Blue = 0xFF0000FF;
inline constexpr QRgb Face = 0xFFC0C0C0;
inline constexpr QRgb Shadow = 0xFF808080;
inline constexpr QRgb Highlight = 0xFFFFFFFF;
