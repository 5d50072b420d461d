// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

// What the windows ask of their surroundings: message boxes, the one-line
// name prompt, the file-open and colour dialogs and the help window. The
// program passes Standard(); tests pass functions that answer at once and
// record what was asked.
struct DialogServices {
  // An information box titled with the product title and one OK button.
  std::function<void(QWidget* parent, const QString& text)> information;
  // A warning box with one OK button, for failures such as a picture that
  // cannot be loaded.
  std::function<void(QWidget* parent, const QString& text)> warning;
  // A one-line text prompt with OK and Cancel that asks `question` above its
  // field, which the question also names; nothing on Cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& question,
                                       const QString& initial)>
      askText;
  // A file-open dialog; returns the chosen full path, or an empty text when
  // the player cancels. `filter` uses the "Caption|*.EXT;*.EXT2" form.
  std::function<QString(QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter)>
      openFile;
  // A file-save dialog offering `name` (without a suffix) in the player's
  // pictures or home folder; returns the chosen full path with the suffix
  // of the type chosen, or an empty text on Cancel. `types` as `filter`.
  std::function<QString(QWidget* parent, const QString& title, const QString& name,
                        const QString& types)>
      saveFile;
  // A colour picker opened on `initial`; nothing when the player cancels.
  std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColor;
  // Opens the program's help at a topic.
  std::function<void(int context)> help;

  // Qt's message boxes and input, file and colour dialogs; help does nothing
  // until the caller gives it. Also stops Qt's dialogs from writing settings
  // of their own (KeepQtSettingsOutOfConfigFolder).
  static DialogServices Standard();
};

// Widens Qt's own file dialog until every column after the name shows its
// heading and its entries whole, in any language; the desktop's dialog is
// left alone.
void WidenForColumns(QFileDialog& dialog);

// Points Qt's per-user settings, which its file and colour dialogs write,
// away from the player's config folder to nowhere. Harmless to call again.
void KeepQtSettingsOutOfConfigFolder();

// "Caption|*.EXT;*.EXT2" (pairs of caption and patterns, all separated by
// '|') in Qt's form, "Caption (*.EXT *.ext *.EXT2 *.ext2)": file names on this
// system are case-sensitive, the patterns were not, so each pattern is also
// matched in lower and in upper case. A text without '|' is returned as it is.
QString QtFileFilter(const QString& captionAndPatterns);

// What a dialog shows when a command would change the game while the wheels
// are still turning; translated where it is shown, in this context.
inline constexpr const char* WaitForWheelsText =
    QT_TRANSLATE_NOOP("DialogServices", "Please wait until the wheels have stopped.");

// WaitForWheelsText in the player's language.
QString WaitForWheelsMessage();
