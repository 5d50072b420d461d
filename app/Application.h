// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the program sets up around its QApplication before the main
// window is made: the sound library's hands off the signals, the title, the
// font substitutes and the pictures. Between the two, Qt's
// messages are held back; a display that cannot be reached ends the program
// with one line on stderr and status 1.
void PrepareBeforeApplication();
void PrepareApplication();

#include <functional>

class QWidget;

// Runs `work` just after `window` has painted for the first time, one turn
// of the event loop later, so that the paint reaches the screen first: what
// that paint does not show need not hold it up.
void AfterFirstPaint(QWidget& window, std::function<void()> work);
// Gives the program its window icon; reading the icon's pictures loads
// Qt's image format plugins, so it waits for the first paint.
void SetProgramIcon();
