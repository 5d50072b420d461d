// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLocale;

// Puts the game's texts and Qt's own (the buttons of its boxes and pickers)
// into the player's language, when the game has that language. The game's
// catalogs lie in the "translations" folder of its data; Qt's in Qt's own
// translations folder. Call it once an application object exists.
void InstallTranslations(const QString& programDir);
// The same for a given locale; tests pick theirs without touching the
// environment.
void InstallTranslations(const QString& programDir, const QLocale& locale);

// The language the game's texts were put into ("de", "fr"), empty while
// they are the English originals.
QString GameLanguage();

// The translated form of a help page beside the program (VOLTA.de.HLP for
// VOLTA.HLP) when the game is in another language and the page is there,
// else the page itself.
QString HelpFileInLanguage(const QString& programDir, const QString& fileName,
                           const QString& language);
