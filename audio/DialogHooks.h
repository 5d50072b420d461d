// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

// The platform dialogs the sound and song dialogs open, behind plain
// functions so that tests can answer them.
struct DialogHooks {
  // Runs a file-open dialog. The filter is given as "Description|*.ext;*.ext2".
  // Returns the chosen full file name, or an empty string when cancelled.
  std::function<QString(QWidget* parent, const QString& filter, const QString& initialFolder)>
      chooseFile;
  // Shows a warning message box with one OK button.
  std::function<void(QWidget* parent, const QString& text)> showWarning;
  // Opens the help at a context number.
  std::function<void(int context)> showHelp;
};

// The platform's own file dialog and message box; help does nothing until
// the caller gives it.
DialogHooks PlatformDialogHooks();

// "Wav Files|*.WAV" as a Qt name filter, "Wav Files (*.WAV *.wav)": file
// names on this platform are case-sensitive, the filters were not.
QString ToQtNameFilter(const QString& filter);

// The help topic of both dialogs.
inline constexpr int SoundHelpContext = 41011;
