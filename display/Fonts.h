// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// Maps the classic font names the face and the buttons ask for onto fonts a
// Linux desktop has: "MS Sans Serif" onto a plain sans (DejaVu Sans) and
// "Arial" onto its metric twin (Liberation Sans). Call once at start-up,
// before the first window is made.
void InstallFontSubstitutes();

// The face's text font at a classic point size (8 or 10), sized in pixels as
// a 96-dpi screen would show it, so the face does not depend on the
// screen's resolution.
QFont FaceFont(int pointSize, bool bold);
