// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Reads LED text back from a canvas by matching each cell against the glyphs
// of the Digits strip, following the pen the way the readouts are laid out.
// Digits read as themselves, unlit cells as blanks, the point as '.', and a
// cell that matches no glyph as '?'.

// Right to left: x is the left edge of the last character's cell.
QString ReadLedRightToLeft(const QImage& canvas, int x, int y, int band, int length);
// Left to right: x is the left edge of the first character's cell.
QString ReadLedLeftToRight(const QImage& canvas, int x, int y, int band, int length);
