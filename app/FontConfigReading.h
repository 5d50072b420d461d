// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fontconfig reads its configuration, dozens of XML files, the first time
// the program asks for a font: as the main window measures its menu bar, on
// the way to the first paint. The start reads it ahead instead, on a second
// thread while the display is connected, and more quickly than fontconfig's
// own first call would.

// Starts the reading. Called before anything else may change the
// environment, which fontconfig reads as it goes.
void StartReadingFontConfig();
// Waits for the reading, or reads now where it could not start early.
void FinishReadingFontConfig();
