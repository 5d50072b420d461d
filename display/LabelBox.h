// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class CanvasWidget;

// A black box outlined in button shadow with a right-aligned dot-matrix
// caption (capitals and blanks). A height of 0 means the standard 52. With
// 144-pixel symbols x is moved 13 px outward (right from 100 on, left below).
void DrawLabelBox(CanvasWidget& target, const QString& caption, int x, int y, int width, int height,
                  int symbolSize);
