// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The window's ways of asking the player something. The program uses the
// standard Qt dialogs; tests swap in functions that answer at once.
struct PlatformDialogs {
  // An information box titled with the product title and one OK button.
  std::function<void(QWidget* parent, const QString& text)> information;
  // A warning box for failures such as a picture that cannot be loaded.
  std::function<void(QWidget* parent, const QString& text)> warning;
  // A file-open dialog; returns the chosen full path, or an empty text when
  // the player cancels. `filter` uses the "Caption|*.EXT" form.
  std::function<QString(QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter)>
      openFile;
  // A colour picker opened on `initial`; nothing when the player cancels.
  std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColor;

  // Also stops Qt's dialogs from writing settings of their own
  // (KeepQtSettingsOutOfConfigFolder).
  static PlatformDialogs Standard();
};

// Points Qt's per-user settings, which its file and colour dialogs write,
// away from the player's config folder to nowhere. Harmless to call again.
void KeepQtSettingsOutOfConfigFolder();

// "Bitmaps|*.BMP" in Qt's form, "Bitmaps (*.BMP *.bmp)": the lower-case
// patterns are added because file names on this system are case-sensitive.
QString QtFileFilter(const QString& captionAndPatterns);
