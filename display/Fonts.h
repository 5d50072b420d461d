// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// Maps the classic font names the face and the buttons ask for onto fonts a
// Linux desktop has: "MS Sans Serif" onto a plain sans (DejaVu Sans) and
// "Arial" onto its metric twin (Liberation Sans). Call once at start-up,
// before the first window is made.
void InstallFontSubstitutes();

// A font asked for under the family its classic name stands for above (any
// other name as it is). Asked for by a classic name, which no font
// installed has, Qt would have fontconfig sort every font on the system
// twice for fallbacks before it found the same family, almost 2 ms before
// the first paint.
QFont ClassicFont(const QString& classicName);

// The face's text font at a classic point size (8 or 10), sized in pixels as
// a 96-dpi screen would show it, so the face does not depend on the
// screen's resolution.
QFont FaceFont(int pointSize, bool bold);
