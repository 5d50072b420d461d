// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <array>
#include <string>

#include "FaceLayout.h"

class CanvasWidget;

// One off-screen bitmap per wheel, S wide and 3S high in logical pixels,
// held at a device-pixel ratio (the ratio of the art drawn into it).
using ReelBitmaps = std::array<QImage, 3>;

// Draws a wheel's strip at a position in half-symbol steps (0..39) into its
// reel bitmap: an even position shows three whole symbols, an odd one is half
// a symbol further along. Without symbol art the reel is left blank. A reel
// bitmap not yet made, or made for another size or ratio, is made first,
// white.
void RenderWheel(QImage& reelBitmap, const QImage& symbolArt, const std::string& strip,
                 int position, int symbolSize);

// Copies a reel bitmap into wheel w's window on the face and shows it. The
// bitmap's last column and row stay off screen.
void PutWheelOnScreen(CanvasWidget& target, const FaceLayout& layout, int wheel,
                      const QImage& reelBitmap);

// RenderWheel and PutWheelOnScreen in one, with no reel bitmap between them:
// the bands of art go straight into wheel w's window, which then shows the
// same pixels. Returns false, having drawn nothing, where that cannot give
// the same pixels (no art, art at another or a fractional ratio, a strip
// without a usable code in view); the two steps are needed then.
bool DrawWheelInWindow(CanvasWidget& target, const FaceLayout& layout, int wheel,
                       const QImage& symbolArt, const std::string& strip, int position);
