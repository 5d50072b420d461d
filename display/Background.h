// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

// What lies behind the machine: the picture tiled from the top-left corner,
// or a solid colour.
struct Background {
  bool Tiled = false;  // the "Tiled Bitmap" mark
  QColor Color{0xC0, 0xC0, 0xC0};
  QImage Picture;
};

// Fills the whole canvas. Tiles are laid at a pitch one pixel less than the
// picture's size, leaving out its last column and row; a tiled background
// without a usable picture falls back to the colour.
void PaintBackground(QImage& canvas, const Background& background);
