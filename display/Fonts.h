// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The classic font names and the fonts a Linux desktop has for them: "MS
// Sans Serif" a plain sans (DejaVu Sans), "Arial" its metric twin
// (Liberation Sans). The game's own fonts ask for those families through
// ClassicFont(); installed as Qt's substitutes too, they serve anything else
// that names a classic font. Call once at start-up, before the first window
// is made.
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
