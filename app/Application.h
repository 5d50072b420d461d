// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the program sets up around its QApplication before the main
// window is made: the sound library's hands off the signals, the title, the
// font substitutes and the pictures. Between the two, Qt's
// messages are held back; a display that cannot be reached ends the program
// with one line on stderr and status 1.
void PrepareBeforeApplication();
void PrepareApplication();

class QWidget;

// Gives the program its window icon just after `window` has painted for the
// first time: reading the icon's pictures would hold up that paint.
void SetWindowIconAfterFirstPaint(QWidget& window);
