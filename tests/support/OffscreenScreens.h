// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>

// Gives the offscreen platform these screens, side by side from the left, in
// device pixels at 96 dpi. Call it before the QApplication is made.
void UseOffscreenScreens(const QList<QSize>& sizes);
