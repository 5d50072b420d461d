// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The three glyph strips of the face, loaded once from the program's
// resources: Digits (seven colour bands of LED digits), Alpha (dot-matrix
// capitals) and Image1 (empty, red and blue lamps).
const QImage& DigitsStrip();
const QImage& AlphaStrip();
const QImage& LampStrip();

// The same strips for a canvas of a device-pixel ratio: the bitmaps
// themselves at 1, redrawn at the ratio's resolution otherwise (once per
// ratio, then cached).
const QImage& DigitsStrip(qreal ratio);
const QImage& AlphaStrip(qreal ratio);
const QImage& LampStrip(qreal ratio);

// Lamps of Image1, 17 x 17 each.
enum LampKind : int { LampEmpty = 0, LampRed = 1, LampBlue = 2 };
inline constexpr int LampSize = 17;
